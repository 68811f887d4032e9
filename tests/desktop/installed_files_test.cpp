#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>

#include "IconDesign.h"

// The installed tree, read as a desktop reads it: the entry names a program and an
// icon, and both must be there; every icon must be the one design, pixel for pixel.
namespace {

const QString stage = QStringLiteral(ORVANE_STAGE);
const QString hicolor = stage + "/share/icons/hicolor";
// The name a desktop knows the program by: its entry, its icons, its metainfo.
const QString appId = QStringLiteral("io.github.orvane.Orvane");

// The design's colour at a pixel of a size x size image; transparent as alpha 0.
QColor designColour(int x, int y, int size)
{
    const int scale = size / icon_design::size;
    const std::int32_t rgb = icon_design::pixels[y / scale][x / scale];
    return rgb < 0 ? QColor(0, 0, 0, 0) : QColor::fromRgb(static_cast<QRgb>(rgb));
}

bool sameColour(const QColor& seen, const QColor& wanted)
{
    if (wanted.alpha() == 0)
        return seen.alpha() == 0;
    return seen.alpha() == 255 && seen.rgb() == wanted.rgb();
}

QMap<QString, QString> desktopEntry()
{
    QFile file(stage + "/share/applications/" + appId + ".desktop");
    QMap<QString, QString> keys;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('['))
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && line.contains('='))
            keys.insert(line.section('=', 0, 0).trimmed(), line.section('=', 1).trimmed());
    }
    return keys;
}

} // namespace

TEST(DesktopEntry, StartsTheInstalledProgramWithoutATerminal)
{
    const auto entry = desktopEntry();
    ASSERT_FALSE(entry.isEmpty()) << "no [Desktop Entry] installed";
    const QString program = entry.value("Exec").section(' ', 0, 0);
    EXPECT_FALSE(program.isEmpty());
    const QFileInfo installed(stage + "/games/" + program);
    EXPECT_TRUE(installed.isFile() && installed.isExecutable())
        << program.toStdString() << " is not installed in games/";
    EXPECT_EQ(entry.value("Terminal"), "false");
    EXPECT_EQ(entry.value("Name"), "Orvane");
}

TEST(DesktopEntry, NamesAnIconThatTheHicolorThemeHoldsAtEverySize)
{
    const QString icon = desktopEntry().value("Icon");
    EXPECT_EQ(icon, appId);
    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"})
        EXPECT_TRUE(QFileInfo::exists(hicolor + "/" + size + "/apps/" + icon + ".png")) << size;
    EXPECT_TRUE(QFileInfo::exists(hicolor + "/scalable/apps/" + icon + ".svg"));
}

class InstalledPng : public ::testing::TestWithParam<int> {};

TEST_P(InstalledPng, IsTheDesignScaledByWholeBlocks)
{
    const int size = GetParam();
    const QString path = QString("%1/%2x%2/apps/%3.png").arg(hicolor).arg(size).arg(appId);
    QImage image;
    ASSERT_TRUE(image.load(path, "PNG")) << path.toStdString();
    ASSERT_EQ(image.width(), size);
    ASSERT_EQ(image.height(), size);
    EXPECT_TRUE(image.hasAlphaChannel());

    int wrong = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (!sameColour(image.pixelColor(x, y), designColour(x, y, size)) && wrong++ < 3)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is "
                              << image.pixelColor(x, y).name(QColor::HexArgb).toStdString();
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(HicolorSizes, InstalledPng, ::testing::Values(16, 32, 48, 64, 128, 256));

// The scalable icon is a 16 x 16 drawing of whole-unit rectangles; painted in the
// order they come, they must cover exactly the design's opaque pixels in its colours.
TEST(InstalledSvg, PaintsTheDesignOnASixteenUnitGrid)
{
    QFile file(hicolor + "/scalable/apps/" + appId + ".svg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    std::array<std::array<QColor, icon_design::size>, icon_design::size> painted{};
    int rects = 0;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = svg.attributes();
        if (svg.name() == u"svg") {
            EXPECT_EQ(attributes.value("viewBox"), u"0 0 16 16");
            continue;
        }
        ASSERT_EQ(svg.name(), u"rect");
        ++rects;
        const int x = attributes.value("x").toInt(), y = attributes.value("y").toInt();
        const int w = attributes.value("width").toInt(), h = attributes.value("height").toInt();
        ASSERT_TRUE(x >= 0 && y >= 0 && w > 0 && h > 0 && x + w <= 16 && y + h <= 16) << "rect " << rects;
        const QColor fill(attributes.value("fill").toString());
        ASSERT_TRUE(fill.isValid()) << "rect " << rects;
        for (int row = y; row < y + h; ++row)
            for (int column = x; column < x + w; ++column)
                painted.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = fill;
    }
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    ASSERT_GT(rects, 0);
    for (int y = 0; y < icon_design::size; ++y)
        for (int x = 0; x < icon_design::size; ++x) {
            const QColor& seen = painted.at(static_cast<std::size_t>(y)).at(static_cast<std::size_t>(x));
            const QColor wanted = designColour(x, y, icon_design::size);
            if (wanted.alpha() == 0)
                EXPECT_FALSE(seen.isValid()) << "(" << x << ", " << y << ") should stay transparent";
            else
                EXPECT_EQ(seen.rgb(), wanted.rgb()) << "(" << x << ", " << y << ")";
        }
}
