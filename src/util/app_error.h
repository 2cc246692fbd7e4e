#pragma once

#include <stdexcept>
#include <string>

namespace vornexa {

// Run-time error numbers that the error classifier knows.
namespace err {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kBadFileNameOrNumber = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIo = 57;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kDiskNotReady = 71;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kDialogCancelled = 32755;
}  // namespace err

// A run-time failure, carried to the error handling of the command that runs.
class AppError : public std::runtime_error {
  public:
    AppError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    int number() const { return number_; }
    std::string description() const { return what(); }

  private:
    int number_;
};

// The error a failed open/read/write of `path` gives, from the C library's errno.
enum class FileOp { Read, Write };
AppError FileError(int errnoValue, FileOp op);

// The description this program uses for an error number.
std::string ErrorDescription(int number);

}  // namespace vornexa
