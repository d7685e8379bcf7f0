#include "gui/app/help_text.h"

#include <string>
#include <system_error>

#include "core/lathe/ports.h"
#include "core/files/data_folders.h"

namespace zan::gui {

void OpenHelpText(const ProgramFolder& folder, Alerts& alerts, const OpenDocument& open)
{
    const std::filesystem::path file = folder.File(kHelpFileName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        alerts.Message("找不到程序说明文件：" + file.string());
        return;
    }
    if (!open(file)) alerts.Message("无法打开程序说明文件，请用文本编辑器查看：" + file.string());
}

}  // namespace zan::gui
