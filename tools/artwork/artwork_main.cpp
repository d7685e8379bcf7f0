// zan400lt-artwork RESOURCES_DIR FRAMES_DIR
// Draws every picture of the lathe view and of the operator panel. The
// view's pictures are written as PNG into RESOURCES_DIR/lathe; the turret
// animation frames as PNG into FRAMES_DIR, named after their GIF files
// ("12.png" becomes "12.gif"); the panel's background and key faces into
// RESOURCES_DIR/panel ("face_173.png" for key face 173; the second key pad
// shows the same faces, fitted to its smaller keys by the program).

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "artwork.h"
#include "core/panel/key_table.h"
#include "panel_art.h"

namespace {

bool Save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

QSize FaceSizeOf(zan::DialogRect place)
{
    const zan::PixelRect key = zan::ToPixels(place);
    return zan::artwork::FaceSize(QSize(key.width, key.height));
}

bool SavePanel(const QDir& panel)
{
    using namespace zan::artwork;
    bool ok = Save(PanelBackground(), panel.filePath("background.png"));
    for (const zan::KeyInfo& key : zan::PanelKeys())
        ok = ok && Save(KeyFace(key.face, FaceSizeOf(key.place)), panel.filePath(QString("face_%1.png").arg(key.face)));
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zan400lt-artwork RESOURCES_DIR FRAMES_DIR\n");
        return 2;
    }
    using namespace zan::artwork;
    const QDir lathe(QString::fromLocal8Bit(argv[1]) + "/lathe");
    const QDir frames(QString::fromLocal8Bit(argv[2]));
    const QDir panel(QString::fromLocal8Bit(argv[1]) + "/panel");
    if (!QDir().mkpath(lathe.path()) || !QDir().mkpath(frames.path()) || !QDir().mkpath(panel.path())) return 1;

    bool ok = Save(ChuckBody(false), lathe.filePath("chuck_stopped.png")) &&
              Save(ChuckBody(true), lathe.filePath("chuck_turning.png")) &&
              Save(UpperJaw(), lathe.filePath("jaw_upper.png")) &&
              Save(LowerJaw(), lathe.filePath("jaw_lower.png")) &&
              Save(Nozzle(false), lathe.filePath("nozzle_off.png")) &&
              Save(Nozzle(true), lathe.filePath("nozzle_on.png"));
    for (int station = 1; ok && station <= 4; ++station) {
        const int next = station % 4 + 1;
        ok = Save(TurretPicture(station), lathe.filePath(QString("turret_%1.png").arg(station))) &&
             Save(TurretStationFrame(station), frames.filePath(QString("%1.png").arg(station))) &&
             Save(TurretTurningFrame(station), frames.filePath(QString("%1%2.png").arg(station).arg(next)));
    }
    return ok && SavePanel(panel) ? 0 : 1;
}
