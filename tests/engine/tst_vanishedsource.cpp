// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/picturecodec.h"
#include "engine/render/sourcepicture.h"
#include "outputtestsupport.h"

#include <QTest>

using namespace kalvora;

// A listed file that is deleted before its turn is skipped without a word, whichever road it
// takes: loaded as a work surface, or loaded whole by the picture codec.
class TestVanishedSource : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void listedSourceVanished_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("png") << QStringLiteral("gone.png");
        QTest::newRow("tif in a folder that is gone too") << QStringLiteral("gone/gone.tif");
        QTest::newRow("jpeg") << QStringLiteral("gone.jpg");
    }

    void listedSourceVanished()
    {
        QFETCH(QString, name);
        std::optional<SourcePicture> picture;
        const QString failure = failureOf([&] { picture = loadSource(m_dir.filePath(name)); });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(!picture);
    }

    void loadedSourceVanished()
    {
        try {
            loadPicture(m_dir.filePath(QStringLiteral("gone.gif")));
            QFAIL("a missing picture loaded");
        } catch (const PictureFailure &failure) {
            QCOMPARE(failure.reason(), PictureFailure::Reason::Missing);
            QVERIFY(failure.description().contains(QLatin1String("gone.gif")));
        }
    }
};

QTEST_MAIN(TestVanishedSource)
#include "tst_vanishedsource.moc"
