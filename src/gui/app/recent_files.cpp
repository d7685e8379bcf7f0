#include "gui/app/recent_files.h"

#include <QFileInfo>

namespace zan::gui {

namespace {
const QString kGroup = QStringLiteral("Recent File List");
QString Key(int index) { return QStringLiteral("File%1").arg(index + 1); }
}  // namespace

std::unique_ptr<QSettings> ProgramSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("ZAN 400LT Applications"), QStringLiteral("ZAN 400LT"));
}

QStringList RecentFiles::List() const
{
    QStringList files;
    settings_.beginGroup(kGroup);
    for (int i = 0; i < kEntries; ++i) {
        const QString file = settings_.value(Key(i)).toString();
        if (!file.isEmpty()) files << file;
    }
    settings_.endGroup();
    return files;
}

void RecentFiles::Add(const QString& file)
{
    const QString path = QFileInfo(file).absoluteFilePath();
    QStringList files = List();
    files.removeAll(path);
    files.prepend(path);
    settings_.beginGroup(kGroup);
    for (int i = 0; i < kEntries; ++i) {
        if (i < files.size())
            settings_.setValue(Key(i), files[i]);
        else
            settings_.remove(Key(i));
    }
    settings_.endGroup();
}

QString RecentFiles::LastFolder() const
{
    const QStringList files = List();
    return files.isEmpty() ? QString() : QFileInfo(files.first()).absolutePath();
}

}  // namespace zan::gui
