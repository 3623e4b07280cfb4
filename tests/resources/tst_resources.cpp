// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pictures and icon as the program reads them, through Qt's own GIF and ICO readers,
// and the raw images the window takes from the icon.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QTest>

namespace {

QString resourcePath(const char *name)
{
    return QStringLiteral(ORVANE_RESOURCES_DIR "/") + QLatin1String(name);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Picture rows are written down as runs, the way they are designed.
struct Run
{
    int count;
    QRgb colour;
};

QList<QRgb> expand(std::initializer_list<Run> runs)
{
    QList<QRgb> rows;
    for (const Run &run : runs)
        rows.append(QList<QRgb>(run.count, run.colour));
    return rows;
}

// clang-format off
QList<QRgb> barRows()
{
    return expand({
        {2, 0xFFFFFF}, {1, 0x223344}, {1, 0xFFFFFF}, {2, 0xB3C3CB}, {1, 0x223344},
        {1, 0xFDFDFE}, {1, 0xFAFCFC}, {1, 0xF7FAFB}, {1, 0xF4F7F9}, {1, 0xF1F5F7},
        {1, 0xEDF2F5}, {1, 0xE9EFF2}, {1, 0xE5ECF0}, {1, 0xE0E9ED}, {1, 0xDCE6EB},
        {1, 0xD7E3E8}, {1, 0xD2DFE5}, {1, 0xCEDCE3}, {1, 0xC9D8E0}, {1, 0xC4D5DD},
        {1, 0xBFD1DA}, {1, 0xB9CDD7}, {1, 0xB4CAD4}, {1, 0xAFC6D1}, {1, 0xABC3CF},
        {1, 0xFFFFFF}, {1, 0x223344}, {7, 0xB3C3CB}, {1, 0x223344}, {2, 0xFFFFFF},
        {2, 0xB3C3CB},
    });
}

QList<QRgb> panelRows()
{
    return expand({
        {1, 0xFDFDFE}, {1, 0xFAFCFC}, {2, 0xF7FAFB}, {1, 0xF4F7F9}, {1, 0xF1F5F7},
        {1, 0xEDF2F5}, {1, 0xE9EFF2}, {1, 0xE5ECF0}, {1, 0xE0E9ED}, {1, 0xDCE6EB},
        {1, 0xD7E3E8}, {1, 0xD2DFE5}, {1, 0xCEDCE3}, {1, 0xC9D8E0}, {1, 0xC4D5DD},
        {1, 0xBFD1DA}, {1, 0xB9CDD7}, {2, 0xB4CAD4}, {1, 0xAFC6D1}, {2, 0xABC3CF},
        {8, 0xB3C3CB},
    });
}
// clang-format on

bool isBrown(QRgb c)
{
    return qRed(c) > qGreen(c) && qGreen(c) > qBlue(c) && qRed(c) >= 50 && qRed(c) <= 160;
}

bool isOrange(QRgb c)
{
    return qRed(c) >= 200 && qGreen(c) >= 80 && qGreen(c) <= 200 && qBlue(c) < 100;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void picture_data();
    void picture();

    void icon_data();
    void icon();
};

void TestResources::picture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<QRgb>>("rows");
    QTest::newRow("bar") << resourcePath("bar.gif") << barRows();
    QTest::newRow("panel") << resourcePath("panel.gif") << panelRows();
}

void TestResources::picture()
{
    QFETCH(QString, path);
    QFETCH(QList<QRgb>, rows);
    const int width = 41;

    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(width, int(rows.size())));

    // Every row one colour across the whole width.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < width; ++x)
            QCOMPARE(image.pixel(x, y) & 0xFFFFFF, rows[y]);
}

void TestResources::icon_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    const int sizes[] = {48, 32, 16, 128, 48, 32, 16};
    for (int i = 0; i < 7; ++i)
        QTest::addRow("image %d, %d px", i, sizes[i]) << i << sizes[i];
}

void TestResources::icon()
{
    QFETCH(int, index);
    QFETCH(int, size);

    QImageReader reader(resourcePath("orvane.ico"));
    QVERIFY(reader.jumpToImage(index));
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(size, size));
    // A sunflower on nothing: clear corners, a brown middle, an orange petal straight above it
    // (at 16 pixels the petal's pixel also takes in a gap between petals).
    const int last = size - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    const QRgb middle = image.pixel(size / 2, size / 2);
    QVERIFY2(isBrown(middle) && qAlpha(middle) == 255, qPrintable(QString::number(middle, 16)));
    const QRgb petal = image.pixel(size / 2, size / 5);
    QVERIFY2(isOrange(petal) && qAlpha(petal) >= 128, qPrintable(QString::number(petal, 16)));

    // The window takes the 32-bit images (the last four) as raw pixels, in the order 48, 32, 16,
    // 128.
    if (index >= 3) {
        const QByteArray raw = readAll(resourcePath("orvane-icon.rgba"));
        const qsizetype at = 4 * QMap<int, int>{{48, 0}, {32, 2304}, {16, 3328}, {128, 3584}}[size];
        QCOMPARE(raw.size(), 4 * (48 * 48 + 32 * 32 + 16 * 16 + 128 * 128));
        const QImage shown(reinterpret_cast<const uchar *>(raw.constData() + at), size, size,
                           4 * size, QImage::Format_RGBA8888);
        QCOMPARE(shown.convertToFormat(image.format()), image);
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
