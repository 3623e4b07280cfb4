// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pictures and icon through Qt's own GIF and ICO readers, and the raw pixels the
// window takes instead, which must show the same.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

QString resourcePath(const char *name)
{
    return QStringLiteral(ORVANE_RESOURCES_DIR "/") + QLatin1String(name);
}

// Rows of a picture and their colours.
using Rows = QMap<int, QRgb>;

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
    // The rows' colours, where the colour changes: the bar's ink lines and its gradient's ends,
    // the panel's repeated gradient rows and its plain base.
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("colours"); // all told: the gradients have 20 each
    QTest::addColumn<Rows>("rows");
    const QRgb white = 0xFFFFFF, ink = 0x223344, greyBlue = 0xB3C3CB;
    QTest::newRow("bar") << resourcePath("bar.gif") << 41 << 23
                         << Rows{{1, white}, {2, ink}, {3, white}, {4, greyBlue},
                                            {6, ink}, {7, 0xFDFDFE}, {8, 0xFAFCFC},
                                            {25, 0xAFC6D1}, {26, 0xABC3CF}, {27, white},
                                            {28, ink}, {29, greyBlue}, {35, greyBlue},
                                            {36, ink}, {38, white}, {39, greyBlue}};
    QTest::newRow("panel") << resourcePath("panel.gif") << 31 << 21
                           << Rows{{0, 0xFDFDFE}, {2, 0xF7FAFB}, {3, 0xF7FAFB},
                                              {4, 0xF4F7F9}, {18, 0xB4CAD4}, {19, 0xB4CAD4},
                                              {20, 0xAFC6D1}, {22, 0xABC3CF}, {23, greyBlue},
                                              {30, greyBlue}};
}

void TestResources::picture()
{
    QFETCH(QString, path);
    QFETCH(int, height);
    QFETCH(int, colours);
    QFETCH(Rows, rows);
    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(41, height));
    // Every row one colour across the whole width.
    QSet<QRgb> seen;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < 41; ++x)
            QCOMPARE(image.pixel(x, y), image.pixel(0, y));
        seen.insert(image.pixel(0, y));
    }
    QCOMPARE(seen.size(), colours);
    for (auto row = rows.cbegin(); row != rows.cend(); ++row)
        QCOMPARE(image.pixel(0, row.key()) & 0xFFFFFF, row.value());

    // The window takes the same pixels raw: red, green, blue and an unused byte.
    QFile file(path.chopped(3) + QLatin1String("rgbx"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    QCOMPARE(raw.size(), 41 * height * 4);
    const QImage shown(reinterpret_cast<const uchar *>(raw.constData()), 41, height, 41 * 4,
                       QImage::Format_RGBX8888);
    QCOMPARE(shown.convertToFormat(image.format()), image);
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
    const QRgb m = image.pixel(size / 2, size / 2), p = image.pixel(size / 2, size / 5);
    QVERIFY2(qRed(m) > qGreen(m) && qGreen(m) > qBlue(m) && qRed(m) >= 50 && qRed(m) <= 160 &&
                 qAlpha(m) == 255,
             qPrintable(QString::number(m, 16)));
    QVERIFY2(qRed(p) >= 200 && qGreen(p) >= 80 && qGreen(p) <= 200 && qBlue(p) < 100 &&
                 qAlpha(p) >= 128,
             qPrintable(QString::number(p, 16)));

    // The window takes the 32-bit images (the last four) as raw pixels, in the order 48, 32, 16,
    // 128: little-endian 0xAARRGGBB words, premultiplied as Qt premultiplies them.
    if (index >= 3) {
        QFile file(resourcePath("orvane-icon.argb32pm"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray raw = file.readAll();
        QCOMPARE(raw.size(), 4 * (48 * 48 + 32 * 32 + 16 * 16 + 128 * 128));
        const qsizetype at = 4 * QMap<int, int>{{48, 0}, {32, 2304}, {16, 3328}, {128, 3584}}[size];
        QImage shown(size, size, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                shown.setPixel(
                    x, y, qFromLittleEndian<quint32>(raw.constData() + at + 4 * (y * size + x)));
        QCOMPARE(shown, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
