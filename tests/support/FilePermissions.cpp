#include "support/FilePermissions.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vemra::test {

namespace {

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};

    bool read() { return syscall(SYS_capget, &header, data) == 0; }
    bool write() { return syscall(SYS_capset, &header, data) == 0; }
};

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

} // namespace

FilePermissionsEnforced::FilePermissionsEnforced()
{
    Capabilities capabilities;
    if (!capabilities.read())
        return;
    savedEffective_[0] = capabilities.data[0].effective;
    savedEffective_[1] = capabilities.data[1].effective;
    if ((capabilities.data[0].effective & kOverrides) == 0) {
        enforced_ = true;
        return;
    }
    capabilities.data[0].effective &= ~kOverrides;
    lowered_ = capabilities.write();
    enforced_ = lowered_;
}

FilePermissionsEnforced::~FilePermissionsEnforced()
{
    if (!lowered_)
        return;
    Capabilities capabilities;
    if (!capabilities.read())
        return;
    capabilities.data[0].effective = savedEffective_[0];
    capabilities.data[1].effective = savedEffective_[1];
    capabilities.write();
}

} // namespace vemra::test
