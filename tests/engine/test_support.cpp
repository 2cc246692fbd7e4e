#include "test_support.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace vornexa::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vornexa-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

Parms DevelopmentLayout(float sigmaH) {
    Parms work;
    work.AzimSigmaH = sigmaH;
    work.AzimEntries = sigmaH + 15;
    work.AzimLeftCross = sigmaH + 105;
    work.AzimRightCross = sigmaH + 285;
    return work;
}

Parms LongwallLayout(int16_t longType, float sigmaH, float headgate) {
    Parms work;
    work.PlanType = kPlanLongwall;
    work.LongType = longType;
    work.AzimSigmaH = sigmaH;
    work.AzimHeadGate = headgate;
    return work;
}

}  // namespace vornexa::test
