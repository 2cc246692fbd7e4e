#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>
#include <string>

namespace vornexa::test {

// Sets a variable for the test's lifetime and puts the old value back after.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::optional<std::string>& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value) {
            qputenv(name, QByteArray::fromStdString(*value));
        } else {
            qunsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

}  // namespace vornexa::test
