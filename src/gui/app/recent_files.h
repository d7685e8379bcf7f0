#pragma once
// The program's settings root "ZAN 400LT Applications" and its list of the
// four workpiece image files used last, newest first. The file dialogs open
// where the newest of them lies.

#include <QSettings>
#include <QStringList>
#include <memory>

namespace zan::gui {

// The settings of this program for this user.
std::unique_ptr<QSettings> ProgramSettings();

class RecentFiles {
public:
    static constexpr int kEntries = 4;

    explicit RecentFiles(QSettings& settings) : settings_(settings) {}

    QStringList List() const;
    // Puts the file first; an older entry for it, and the fifth, drop out.
    void Add(const QString& file);
    // The folder of the newest entry; empty when the list is.
    QString LastFolder() const;

private:
    QSettings& settings_;
};

}  // namespace zan::gui
