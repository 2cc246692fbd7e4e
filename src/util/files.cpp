#include "util/files.h"

#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "util/app_error.h"
#include "util/messages.h"
#include "util/text.h"

namespace vornexa {
namespace fs = std::filesystem;

namespace {

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

// The folder `base` + name + separator, created when asked; empty when it is not there.
std::string SubFolder(const std::string& base, std::string_view name, bool create) {
    const std::string folder = WithSeparator(base) + std::string(name) + kSeparator;
    if (create) {
        ::mkdir(folder.c_str(), 0777);
    }
    return IsFolder(folder) ? folder : std::string();
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError(errno, FileOp::Write);
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

void SyncAndClose(FileDescriptor& fd) {
    if (::fsync(fd.get()) != 0) {
        throw FileError(errno, FileOp::Write);
    }
    if (::close(fd.release()) != 0) {
        throw FileError(errno, FileOp::Write);
    }
}

void WriteInPlace(const std::string& path, std::string_view bytes, int extraFlags) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | extraFlags));
    if (fd.get() < 0) {
        throw FileError(errno, FileOp::Write);
    }
    WriteAll(fd.get(), bytes);
    SyncAndClose(fd);
}

// A symbolic link is replaced through its target, so the link survives the save.
std::string ResolveLink(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path target = fs::canonical(path, ec);
        if (!ec) {
            return target.string();
        }
    }
    return path;
}

// Only "*" and "?" are wildcards: a "[" in a folder name is part of the name.
std::string GlobPattern(std::string_view path) {
    std::string pattern;
    for (const char c : path) {
        if (c == '[' || c == '\\') {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}

std::string TempNameBeside(const std::string& path) {
    const fs::path p(path);
    std::random_device device;
    const std::string suffix = std::to_string(device() % 1000000u);
    std::string name(".");
    name += p.filename().string();
    name += ".~";
    name += suffix;
    return (p.parent_path() / name).string();
}

}  // namespace

std::string WithSeparator(std::string_view folder) {
    std::string out(folder);
    if (out.empty() || out.back() != kSeparator) {
        out.push_back(kSeparator);
    }
    return out;
}

std::string DocumentFolder(const std::string& programFolder) {
    const std::string program = WithSeparator(programFolder);
    const std::filesystem::path installed =
        std::filesystem::path(program) / ".." / "share" / "vornexa";
    std::error_code error;
    if (std::filesystem::is_directory(installed, error)) {
        return WithSeparator(installed.lexically_normal().string());
    }
    return program;
}

Folders ResolveUserFolders(const std::string& documents, const std::string& desktop,
                           const std::string& program, bool create) {
    Folders folders;
    folders.program = WithSeparator(program);
    const std::string base = IsFolder(documents) ? documents : desktop;
    if (!IsFolder(base)) {
        folders.data = folders.temp = folders.program;
        return folders;
    }
    const std::string data = SubFolder(base, "MyQELTA", create);
    folders.data = data.empty() ? folders.program : data;
    const std::string temp = data.empty() ? std::string() : SubFolder(data, "Temp", create);
    folders.temp = temp.empty() ? folders.program : temp;
    return folders;
}

bool FileExists(const std::string& path) {
    if (path.find_first_of("*?") == std::string::npos) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    }
    glob_t matches{};
    bool found = false;
    if (::glob(GlobPattern(path).c_str(), 0, nullptr, &matches) == 0) {
        for (size_t i = 0; i < matches.gl_pathc && !found; ++i) {
            struct stat info {};
            found = ::stat(matches.gl_pathv[i], &info) == 0 && S_ISREG(info.st_mode);
        }
    }
    ::globfree(&matches);
    return found;
}

bool ValidPath(Messenger& messenger, const std::string& path, bool quiet) {
    struct stat info {};
    if (!path.empty() && ::stat(path.c_str(), &info) == 0) {
        return true;
    }
    const int error = path.empty() ? ENOENT : errno;
    if (error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG) {
        if (!quiet) {
            messenger.ShowMessage("Invalid path: " + path, msg::kOkOnly, messenger.titles.error);
        }
        return false;
    }
    messenger.ShowMessage("Internal Error in ValidPath Function: Contact Developer", msg::kOkOnly,
                          messenger.titles.rangeError);
    return true;
}

std::string FileNamePart(Messenger& messenger, std::string_view path, bool stripExtension) {
    if (!path.empty() && path.back() == kSeparator) {
        messenger.ShowMessage("Error in filename: " + std::string(path), msg::kOkOnly,
                              messenger.titles.error);
        return {};
    }
    const size_t slash = path.rfind(kSeparator);
    std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
    if (stripExtension) {
        const size_t dot = name.find('.');
        if (dot != std::string::npos && dot >= 1) {
            name.resize(dot);
        }
    }
    return name;
}

bool CopyTextFile(Messenger& messenger, const std::string& source, const std::string& destination) {
    if (!FileExists(source)) {
        messenger.ShowMessage("Requested File not found: " + source, msg::kOkOnly,
                              messenger.titles.error);
        return false;
    }
    try {
        std::string text = ReadFileBytes(source);
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') {
            text += text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
        }
        AtomicWriteFile(destination, text);
    } catch (const AppError&) {
        messenger.ShowMessage("File I/O problem with TMP file: " + destination, msg::kOkOnly,
                              messenger.titles.error);
        return false;
    }
    return true;
}

std::string ReadFileBytes(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        throw FileError(errno, FileOp::Read);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) == 0 && S_ISDIR(info.st_mode)) {
        throw AppError(err::kPathFileAccess, ErrorDescription(err::kPathFileAccess));
    }
    std::string bytes;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError(errno, FileOp::Read);
        }
        if (n == 0) {
            return bytes;
        }
        bytes.append(buf, static_cast<size_t>(n));
    }
}

void AtomicWriteFile(const std::string& path, std::string_view bytes, LinkPolicy links) {
    const bool replaceLink = links == LinkPolicy::Replace;
    const std::string target = replaceLink ? path : ResolveLink(path);
    struct stat old {};
    // A link to be replaced counts as no file: its target is never looked at.
    const bool exists =
        (replaceLink ? ::lstat(target.c_str(), &old) : ::stat(target.c_str(), &old)) == 0 &&
        !S_ISLNK(old.st_mode);
    if (exists && (S_ISDIR(old.st_mode) || ::access(target.c_str(), W_OK) != 0)) {
        // A read-only file stays untouched, as a plain overwrite would have failed.
        throw AppError(err::kPathFileAccess, ErrorDescription(err::kPathFileAccess));
    }
    const std::string temp = TempNameBeside(target);
    FileDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        const int error = errno;
        // A folder that takes no new files may still hold a writable file: save it as
        // a plain overwrite would, without the safety of the rename.
        if (exists && (error == EACCES || error == EPERM)) {
            WriteInPlace(target, bytes, replaceLink ? O_NOFOLLOW : 0);
            return;
        }
        throw FileError(error, FileOp::Write);
    }
    try {
        if (exists) {
            ::fchmod(fd.get(), old.st_mode & 07777);
        }
        WriteAll(fd.get(), bytes);
        SyncAndClose(fd);
        if (::rename(temp.c_str(), target.c_str()) != 0) {
            throw FileError(errno, FileOp::Write);
        }
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
}

}  // namespace vornexa
