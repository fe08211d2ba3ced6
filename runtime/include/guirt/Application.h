#pragma once

#include <cstdint>

#include "guirt/ClassRecord.h"
#include "guirt/Export.h"
#include "guirt/MenuBar.h"
#include "guirt/String.h"

namespace guirt {

// The application object: its menu bar and the version data the program gives it.
class GUIRT_API Application : public Object {
public:
    Ref<class MenuBar> MenuBar() const;
    void SetMenuBar(const Ref<class MenuBar>& bar);

    void _x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug, std::int64_t nonRelease,
                           std::int64_t stage, const Ref<String>& longVersion, const Ref<String>& shortVersion,
                           const Ref<String>& packageInfo);
    std::int64_t MajorVersion() const noexcept { return major_; }
    std::int64_t MinorVersion() const noexcept { return minor_; }
    std::int64_t BugVersion() const noexcept { return bug_; }
    std::int64_t NonReleaseVersion() const noexcept { return nonRelease_; }
    std::int64_t StageCode() const noexcept { return stage_; }
    const Ref<String>& LongVersion() const noexcept { return longVersion_; }
    const Ref<String>& ShortVersion() const noexcept { return shortVersion_; }
    const Ref<String>& PackageInfo() const noexcept { return packageInfo_; }

    static const ClassRecord& Record();

protected:
    Application() = default;
    friend struct Construct;

private:
    Ref<class MenuBar> menuBar_;
    std::int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stage_ = 0;
    Ref<String> longVersion_, shortVersion_, packageInfo_;
};

// Entry shape of _x_SetVersionData in the method table.
using SetVersionDataEntry = void (*)(Object& self, std::int64_t, std::int64_t, std::int64_t, std::int64_t, std::int64_t,
                                     const Ref<String>&, const Ref<String>&, const Ref<String>&);

// The AppMenuBarSetter.
GUIRT_API void AppMenuBarSetter(Application& app, const Ref<class MenuBar>& bar);

}  // namespace guirt
