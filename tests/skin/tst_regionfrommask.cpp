#include "skin/RegionFromMask.h"

#include <QTest>

#include <random>
#include <string>
#include <vector>

using vistrel::MaskRect;
using vistrel::RegionFromMask;

namespace {

// A mask drawn as text, one string per row: '.' black, '#' white, 'b' RGB(0,0,1),
// 'g' RGB(0,1,0), 'r' RGB(1,0,0), 'a' black with a full alpha byte.
struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    explicit TextMask(const QStringList& rows) {
        height = static_cast<int>(rows.size());
        width = rows.isEmpty() ? 0 : static_cast<int>(rows.first().size());
        for (const QString& row : rows)
            for (QChar c : row)
                pixels.push_back(colourOf(c.toLatin1()));
    }

    static std::uint32_t colourOf(char c) {
        switch (c) {
        case '#':
            return 0xFFFFFFu;
        case 'b':
            return 0x000001u;
        case 'g':
            return 0x000100u;
        case 'r':
            return 0x010000u;
        case 'a':
            return 0xFF000000u;
        default:
            return 0;
        }
    }

    std::vector<MaskRect> region() const {
        return RegionFromMask(width, height, [this](int y) { return pixels.data() + y * width; });
    }
};

QString describe(const std::vector<MaskRect>& rects) {
    QStringList parts;
    for (const MaskRect& r : rects)
        parts << QString("(%1,%2)-(%3,%4)").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
    return parts.join(' ');
}

// Two bands that touch vertically must have different runs, else they would be one band.
void verifyTouchingBandsDiffer(const std::vector<MaskRect>& rects) {
    std::vector<std::vector<std::pair<int, int>>> runs;
    std::vector<std::pair<int, int>> spans; // top, bottom of each band
    for (const MaskRect& r : rects) {
        if (spans.empty() || spans.back().first != r.top) {
            spans.push_back({r.top, r.bottom});
            runs.emplace_back();
        }
        runs.back().push_back({r.left, r.right});
    }
    for (std::size_t i = 1; i < spans.size(); ++i)
        if (spans[i - 1].second == spans[i].first)
            QVERIFY2(runs[i - 1] != runs[i], "touching bands with equal runs were not merged");
}

// Checks the rectangles cover exactly the opaque pixels and have the banded form: sorted,
// disjoint, runs of one band neither overlapping nor touching, neighbouring bands different.
void verifyExactBands(const std::vector<std::uint32_t>& pixels, int width, int height,
                      const std::vector<MaskRect>& rects) {
    std::vector<int> cover(pixels.size(), 0);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const MaskRect& r = rects[i];
        QVERIFY(r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height);
        QVERIFY(r.left < r.right && r.top < r.bottom);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                ++cover[static_cast<std::size_t>(y * width + x)];
        if (i == 0)
            continue;
        const MaskRect& p = rects[i - 1];
        if (p.top == r.top) {
            QCOMPARE(p.bottom, r.bottom);
            QVERIFY2(p.right < r.left, "runs of one band touch or overlap");
        } else {
            QVERIFY(p.bottom <= r.top);
        }
    }
    for (std::size_t i = 0; i < pixels.size(); ++i)
        QCOMPARE(cover[i], (pixels[i] & 0xFFFFFFu) != 0 ? 1 : 0);
    verifyTouchingBandsDiffer(rects);
}

} // namespace

class TestRegionFromMask : public QObject {
    Q_OBJECT
  private slots:
    void runsOfTextMasks_data();
    void runsOfTextMasks();
    void emptySizesReadNoRow();
    void randomMasksAreCoveredExactly();
    void rowsAreReadOnceEach();
};

void TestRegionFromMask::runsOfTextMasks_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all black") << QStringList{"...", "..."} << "";
    QTest::newRow("no black: one band, the full rectangle")
        << QStringList{"###", "###"} << "(0,0)-(3,2)";
    QTest::newRow("single pixel at 5,7")
        << QStringList{"..........", "..........", "..........", "..........", "..........",
                       "..........", "..........", ".....#....", "..........", ".........."}
        << "(5,7)-(6,8)";
    QTest::newRow("run touching the right edge") << QStringList{".##"} << "(1,0)-(3,1)";
    QTest::newRow("black opaque opaque black opaque")
        << QStringList{".##.#"} << "(1,0)-(3,1) (4,0)-(5,1)";
    QTest::newRow("run starting at the left edge") << QStringList{"##..."} << "(0,0)-(2,1)";
    QTest::newRow("RGB 0,0,1 is opaque") << QStringList{".b."} << "(1,0)-(2,1)";
    QTest::newRow("RGB 0,1,0 and 1,0,0 are opaque")
        << QStringList{"g.r"} << "(0,0)-(1,1) (2,0)-(3,1)";
    QTest::newRow("the alpha byte does not count")
        << QStringList{"#a#"} << "(0,0)-(1,1) (2,0)-(3,1)";
    QTest::newRow("a run never continues into the next row")
        << QStringList{"..##", "##.."} << "(2,0)-(4,1) (0,1)-(2,2)";
    QTest::newRow("equal rows merge, a repeated band after a change does not")
        << QStringList{"##..", "##..", "..##", "##..", "##.."}
        << "(0,0)-(2,2) (2,2)-(4,3) (0,3)-(2,5)";
    QTest::newRow("black row splits bands")
        << QStringList{"#", ".", "#"} << "(0,0)-(1,1) (0,2)-(1,3)";
    QTest::newRow("same number of runs, shifted")
        << QStringList{"#.#.", ".#.#"} << "(0,0)-(1,1) (2,0)-(3,1) (1,1)-(2,2) (3,1)-(4,2)";
    QTest::newRow("rounded corners") << QStringList{".####.", "######", "######", ".####."}
                                     << "(1,0)-(5,1) (0,1)-(6,3) (1,3)-(5,4)";
    QTest::newRow("hole in the middle") << QStringList{"#####", "##.##", "#####"}
                                        << "(0,0)-(5,1) (0,1)-(2,2) (3,1)-(5,2) (0,2)-(5,3)";
    QTest::newRow("one column") << QStringList{"#", "#", "."} << "(0,0)-(1,2)";
}

void TestRegionFromMask::runsOfTextMasks() {
    QFETCH(QStringList, rows);
    QFETCH(QString, expected);
    const TextMask mask(rows);
    const auto rects = mask.region();
    QCOMPARE(describe(rects), expected);
    verifyExactBands(mask.pixels, mask.width, mask.height, rects);
}

void TestRegionFromMask::emptySizesReadNoRow() {
    int reads = 0;
    auto reader = [&reads](int) -> const std::uint32_t* {
        ++reads;
        return nullptr;
    };
    QVERIFY(RegionFromMask(0, 5, reader).empty());
    QVERIFY(RegionFromMask(5, 0, reader).empty());
    QVERIFY(RegionFromMask(-3, 4, reader).empty());
    QVERIFY(RegionFromMask(4, -3, reader).empty());
    QCOMPARE(reads, 0);
}

void TestRegionFromMask::randomMasksAreCoveredExactly() {
    std::mt19937 random(20261207);
    for (int round = 0; round < 300; ++round) {
        const int width = 1 + static_cast<int>(random() % 40);
        const int height = 1 + static_cast<int>(random() % 30);
        // Rows are often copies of the row above, as in a real outline.
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
        const unsigned density = random() % 100;
        for (int y = 0; y < height; ++y) {
            const bool copy = y > 0 && random() % 3 != 0;
            for (int x = 0; x < width; ++x) {
                const auto at = static_cast<std::size_t>(y * width + x);
                if (copy)
                    pixels[at] = pixels[at - static_cast<std::size_t>(width)];
                else
                    pixels[at] = random() % 100 < density ? (random() & 0xFFFFFFFFu) : 0u;
            }
        }
        const auto rects = RegionFromMask(width, height, [&](int y) {
            return pixels.data() + static_cast<std::size_t>(y * width);
        });
        verifyExactBands(pixels, width, height, rects);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QString("round %1, %2 x %3").arg(round).arg(width).arg(height)));
    }
}

void TestRegionFromMask::rowsAreReadOnceEach() {
    const std::vector<std::uint32_t> row(7, 0xFFFFFFu);
    std::vector<int> reads;
    RegionFromMask(7, 4, [&](int y) {
        reads.push_back(y);
        return row.data();
    });
    QCOMPARE(reads, (std::vector<int>{0, 1, 2, 3}));
}

QTEST_GUILESS_MAIN(TestRegionFromMask)
#include "tst_regionfrommask.moc"
