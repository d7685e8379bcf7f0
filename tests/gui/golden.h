#pragma once
// Golden pictures under tests/data/lcd: a test compares what it drew with
// the stored picture, pixel for pixel. They change only on purpose:
// tests/gui/update-lcd-golden.sh BUILD_DIR writes them anew (it runs the
// tests with ZAN_UPDATE_GOLDEN set), then the diff is read and committed.

#include <QDir>
#include <QImage>
#include <QString>
#include <string>

namespace zan::gui::test {

// Empty when `drawn` matches tests/data/lcd/NAME.png (or was just written
// there on purpose); else what differs. A mismatch leaves the drawing beside
// the test program as NAME.actual.png to look at.
inline std::string CompareWithGolden(const QImage& drawn, const QString& name)
{
    const QString golden = QStringLiteral(ZAN_TEST_DATA "/lcd/") + name + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("ZAN_UPDATE_GOLDEN")) {
        QDir().mkpath(QStringLiteral(ZAN_TEST_DATA "/lcd"));
        return drawn.save(golden) ? std::string() : "cannot write " + golden.toStdString();
    }
    const QImage stored = QImage(golden).convertToFormat(QImage::Format_RGB32);
    const QImage image = drawn.convertToFormat(QImage::Format_RGB32);
    if (stored.isNull()) return "no golden picture " + golden.toStdString();
    int differing = 0;
    if (stored.size() == image.size())
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) differing += stored.pixel(x, y) != image.pixel(x, y);
    if (stored.size() == image.size() && differing == 0) return {};
    image.save(name + QStringLiteral(".actual.png"));
    return name.toStdString() + ": " + std::to_string(differing) + " pixels differ from " + golden.toStdString() +
           " (drawing kept as " + name.toStdString() + ".actual.png; tests/gui/update-lcd-golden.sh renews on purpose)";
}

}  // namespace zan::gui::test
