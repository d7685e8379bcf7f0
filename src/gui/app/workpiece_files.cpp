#include "gui/app/workpiece_files.h"

#include <QFile>
#include <QFileDialog>
#include <system_error>
#include <utility>

#include "gui/app/recent_files.h"

namespace zan::gui {

namespace {

QString ToQString(const std::filesystem::path& path) { return QFile::decodeName(path.string().c_str()); }

std::filesystem::path FromQString(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

}  // namespace

ChooseFile WorkpieceFileDialog(QWidget* parent, FileDialogKind kind, std::function<QString()> startFolder)
{
    return [parent, kind, startFolder = std::move(startFolder)]() -> std::optional<std::filesystem::path> {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(kind == FileDialogKind::kSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(kind == FileDialogKind::kSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // Windows matched "*.map" whatever the case; here both spellings are listed.
        dialog.setNameFilters({QStringLiteral("工件镜像文件(*.map *.MAP)"), QStringLiteral("全部文件(*)")});
        dialog.setDefaultSuffix(QStringLiteral("map"));
        if (startFolder) dialog.setDirectory(startFolder());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return FromQString(dialog.selectedFiles().first());
    };
}

void OpenWorkpiece(Lathe& lathe, const ChooseFile& choose, RecentFiles* recent)
{
    const std::optional<std::filesystem::path> loaded = OpenWorkpieceImage(lathe, choose);
    if (recent != nullptr && loaded) recent->Add(ToQString(*loaded));
}

void SaveWorkpiece(Lathe& lathe, const ChooseFile& choose, RecentFiles* recent)
{
    const std::optional<std::filesystem::path> saved = SaveWorkpieceImage(lathe, choose);
    if (recent != nullptr && saved) recent->Add(ToQString(*saved));
}

}  // namespace zan::gui
