#pragma once

#include <string>
#include <vector>

namespace vornexa {

struct PlatformInfo;
class MainWindow;

// The project named on the command line, as an absolute path: the arguments
// after a leading "--" joined by blanks, with every double quote removed unless
// they name an existing file as they are; empty when there is none.
std::string CommandLineProject(const std::vector<std::string>& args);

// Steps 13 on of start-up once the window exists: new project, show, history
// font, last file, command-line project.
void OpenStartupProjects(MainWindow& window, const std::string& commandLine);

// Runs the program with its main window until that window closes.
int RunApplication(int& argc, char** argv, const PlatformInfo& platform);

}  // namespace vornexa
