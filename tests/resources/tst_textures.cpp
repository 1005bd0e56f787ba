#include "app/LMResources.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {
QStringList textureNames()
{
    QStringList names;
    for (const char *family : {"metal", "wood", "interest"})
        for (int i = 0; i < 8; ++i)
            names << QStringLiteral("%1%2").arg(QLatin1String(family)).arg(i);
    return names;
}

// Mean step in lightness between pixel column (or row) a and b.
double step(const QImage &image, bool columns, int a, int b)
{
    const int length = columns ? image.height() : image.width();
    double sum = 0;
    for (int i = 0; i < length; ++i)
        sum += columns ? std::abs(qGray(image.pixel(a, i)) - qGray(image.pixel(b, i)))
                       : std::abs(qGray(image.pixel(i, a)) - qGray(image.pixel(i, b)));
    return sum / length;
}
} // namespace

// The shipped frame textures against the rules they are made by.
class TestTextures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }
    void texture_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : textureNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    // A 512 x 384 picture with visible grain that repeats without a seam.
    void texture()
    {
        QFETCH(QString, name);
        const QImage image(QStringLiteral(":/texture/%1.jpg").arg(name));
        QVERIFY2(!image.isNull(), "missing or unreadable");
        QCOMPARE(image.size(), QSize(512, 384));

        double sum = 0, squares = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const double l = qGray(image.pixel(x, y));
                sum += l;
                squares += l * l;
            }
        }
        const double n = double(image.width()) * image.height();
        const double deviation = std::sqrt(squares / n - (sum / n) * (sum / n));
        QVERIFY2(deviation > 4, qPrintable(QString::number(deviation)));

        // The frame paints the texture as a repeating brush: the step across the
        // wrapped edge is no bigger than the biggest step inside.
        for (const bool columns : {true, false}) {
            const int last = (columns ? image.width() : image.height()) - 1;
            double inside = 0;
            for (int i = 0; i < last; ++i)
                inside = std::max(inside, step(image, columns, i, i + 1));
            const double seam = step(image, columns, last, 0);
            QVERIFY2(seam < 1.25 * inside + 2,
                     qPrintable(QStringLiteral("%1 seam %2, inside at most %3")
                                    .arg(columns ? "vertical" : "horizontal")
                                    .arg(seam)
                                    .arg(inside)));
        }
    }
    void distinctAndLean();
};

void TestTextures::distinctAndLean()
{
    const QDir folder(qEnvironmentVariable("LUMETRA_SOURCE_DIR") +
                      QStringLiteral("/resources/texture"));
    QSet<QByteArray> pictures;
    qint64 total = 0;
    for (const QString &name : textureNames()) {
        const QImage image(QStringLiteral(":/texture/%1.jpg").arg(name));
        pictures.insert(QCryptographicHash::hash(
            QByteArray::fromRawData(reinterpret_cast<const char *>(image.constBits()),
                                    int(image.sizeInBytes())),
            QCryptographicHash::Sha1));
        const QFileInfo file(folder.filePath(name + QStringLiteral(".jpg")));
        QVERIFY2(file.exists(), qPrintable(file.filePath()));
        total += file.size();
    }
    QCOMPARE(pictures.size(), 24);
    QVERIFY2(total < 3000000, qPrintable(QString::number(total)));
}

QTEST_GUILESS_MAIN(TestTextures)

#include "tst_textures.moc"
