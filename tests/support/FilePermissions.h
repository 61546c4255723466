#pragma once

namespace vemra::test {

// While it lives, file permissions bind this thread even when the tests run as root: it
// lowers the capabilities that let root read and write past them (CAP_DAC_OVERRIDE and
// CAP_DAC_READ_SEARCH). They stay permitted, and come back when it ends. File operations of
// the program under test run on this same thread.
class FilePermissionsEnforced {
public:
    FilePermissionsEnforced();
    ~FilePermissionsEnforced();
    FilePermissionsEnforced(const FilePermissionsEnforced&) = delete;
    FilePermissionsEnforced& operator=(const FilePermissionsEnforced&) = delete;

    // False when root's capabilities could not be lowered: permissions do not bind then.
    bool enforced() const { return enforced_; }

private:
    bool lowered_ = false;
    bool enforced_ = false;
    unsigned savedEffective_[2] = {0, 0};
};

} // namespace vemra::test
