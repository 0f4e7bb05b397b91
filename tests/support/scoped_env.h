// Sets an environment variable for the life of the object and restores what it was before.
#pragma once

#include <optional>
#include <string>

namespace doz::test {

class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

} // namespace doz::test
