// Looks at screen captures for the end-to-end test.
//
//   screen_probe diff A B [X0 Y0 X1 Y1]
//       prints "N X0 Y0 X1 Y1": how many pixels differ and the box around
//       them (inclusive), or "0" when none does; optionally only inside a box.
//   screen_probe find A RRGGBB X0 Y0 X1 Y1
//       prints "X Y", the centre of the pixels of that colour in the box;
//       exit status 1 when there is none.
//   screen_probe shift A B x|y X0 Y0 X1 Y1
//       prints "D N": the displacement D (-40..40 pixels along the axis) that
//       makes B(p + D) match A(p) best over the box, and how many pixels
//       still differ at D.
//   screen_probe count A RRGGBB X0 Y0 X1 Y1
//       prints how many pixels of that colour the box holds.
//   screen_probe contains A B
//       prints "X Y", where the picture B appears in A pixel for pixel (its
//       top left, the topmost first); exit status 1 when it does not.

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QImage Load(const char* file)
{
    const QImage image = QImage(QString::fromLocal8Bit(file)).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) std::fprintf(stderr, "screen_probe: cannot read %s\n", file);
    return image;
}

QRect Box(char** args, const QImage& image)
{
    const QRect box(QPoint(std::atoi(args[0]), std::atoi(args[1])), QPoint(std::atoi(args[2]), std::atoi(args[3])));
    return box.intersected(image.rect());
}

int Diff(const QImage& a, const QImage& b, QRect box)
{
    if (a.size() != b.size()) {  // every pixel differs
        std::printf("%d 0 0 %d %d\n", a.width() * a.height(), a.width() - 1, a.height() - 1);
        return 0;
    }
    int count = 0;
    QRect found;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++count, found |= QRect(x, y, 1, 1);
    if (count == 0) std::printf("0\n");
    else std::printf("%d %d %d %d %d\n", count, found.left(), found.top(), found.right(), found.bottom());
    return 0;
}

QRgb Colour(const char* rrggbb) { return 0xFF000000u | static_cast<QRgb>(std::strtoul(rrggbb, nullptr, 16)); }

int Find(const QImage& image, const char* colour, QRect box)
{
    const QRgb wanted = Colour(colour);
    long sumX = 0, sumY = 0, count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixel(x, y) == wanted) sumX += x, sumY += y, ++count;
    if (count == 0) return 1;
    std::printf("%ld %ld\n", sumX / count, sumY / count);
    return 0;
}

int Count(const QImage& image, const char* colour, QRect box)
{
    const QRgb wanted = Colour(colour);
    long count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixel(x, y) == wanted) ++count;
    std::printf("%ld\n", count);
    return 0;
}

int Shift(const QImage& a, const QImage& b, bool alongX, QRect box)
{
    constexpr int kReach = 40;
    int best = 0;
    long bestMisses = -1;
    for (int d = -kReach; d <= kReach; ++d) {
        long misses = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QPoint moved = alongX ? QPoint(x + d, y) : QPoint(x, y + d);
                if (!b.rect().contains(moved) || b.pixel(moved) != a.pixel(x, y)) ++misses;
            }
        if (bestMisses < 0 || misses < bestMisses) best = d, bestMisses = misses;
    }
    std::printf("%d %ld\n", best, bestMisses);
    return 0;
}

bool SameRow(const QImage& a, const QImage& b, int left, int top, int row)
{
    const auto* in = reinterpret_cast<const QRgb*>(a.constScanLine(top + row)) + left;
    const auto* wanted = reinterpret_cast<const QRgb*>(b.constScanLine(row));
    return std::equal(wanted, wanted + b.width(), in);
}

// The row of B with the most changes of colour: a place of A where it
// matches is rare, so it is tried before the rest.
int KeyRow(const QImage& b)
{
    int best = 0;
    int bestChanges = -1;
    for (int y = 0; y < b.height(); ++y) {
        int changes = 0;
        for (int x = 1; x < b.width(); ++x) changes += b.pixel(x, y) != b.pixel(x - 1, y);
        if (changes > bestChanges) best = y, bestChanges = changes;
    }
    return best;
}

int Contains(const QImage& a, const QImage& b)
{
    const int key = KeyRow(b);
    for (int top = 0; top + b.height() <= a.height(); ++top)
        for (int left = 0; left + b.width() <= a.width(); ++left) {
            if (!SameRow(a, b, left, top, key)) continue;
            bool same = true;
            for (int y = 0; y < b.height() && same; ++y) same = SameRow(a, b, left, top, y);
            if (!same) continue;
            std::printf("%d %d\n", left, top);
            return 0;
        }
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const QString command = QString::fromLatin1(argc >= 3 ? argv[1] : "");
    const bool diff = command == QLatin1String("diff") && (argc == 4 || argc == 8);
    const bool find = command == QLatin1String("find") && argc == 8;
    const bool count = command == QLatin1String("count") && argc == 8;
    const bool shift = command == QLatin1String("shift") && argc == 9;
    const bool contains = command == QLatin1String("contains") && argc == 4;
    if (!diff && !find && !count && !shift && !contains) {
        std::fprintf(stderr, "usage: screen_probe diff|find|count|shift|contains ...\n");
        return 2;
    }
    const QImage a = Load(argv[2]);
    const QImage b = find || count || a.isNull() ? a : Load(argv[3]);
    if (a.isNull() || b.isNull()) return 2;
    if (diff) return Diff(a, b, argc == 8 ? Box(argv + 4, a) : a.rect());
    if (find) return Find(a, argv[3], Box(argv + 4, a));
    if (count) return Count(a, argv[3], Box(argv + 4, a));
    if (contains) return Contains(a, b);
    return Shift(a, b, argv[4][0] == 'x', Box(argv + 5, a));
}
