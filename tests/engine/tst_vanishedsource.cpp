// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/picturecodec.h"
#include "engine/output/converter.h"
#include "engine/run/tempfolder.h"
#include "outputtestsupport.h"

#include <QTest>

// A listed file that is deleted before its turn is skipped without a word, whichever road it
// takes: through the converter's JPEG, or loaded whole by the picture codec.
class TestVanishedSource : public QObject
{
    Q_OBJECT

    NullEventPump m_events;
    QTemporaryDir m_dir;

private slots:
    void convertedSourceVanished_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("png") << QStringLiteral("gone.png");
        QTest::newRow("tif in a folder that is gone too") << QStringLiteral("gone/gone.tif");
    }

    void convertedSourceVanished()
    {
        QFETCH(QString, name);
        TempFolder temp;
        QVERIFY(temp.isValid());
        // A JPEG from the file before, which must not pass for this file's picture.
        QVERIFY(gradient(16, 16).save(temp.stampTmpJpg(), "jpeg"));
        ToolRunner tools(m_events);
        const QString failure
            = failureOf([&] { ConvertInput(m_dir.filePath(name), temp.stampTmpJpg(), tools); });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(!QFile::exists(temp.stampTmpJpg()));
    }

    void convertedSourceUnreadableIsStillReported()
    {
        TempFolder temp;
        const QString source = m_dir.filePath(QStringLiteral("broken.png"));
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();
        ToolRunner tools(m_events);
        const QString failure = failureOf([&] { ConvertInput(source, temp.stampTmpJpg(), tools); });
        QVERIFY2(failure.contains(QLatin1String("broken.png")), qPrintable(failure));
    }

    void loadedSourceVanished()
    {
        try {
            LoadPicture(m_dir.filePath(QStringLiteral("gone.gif")));
            QFAIL("a missing picture loaded");
        } catch (const PictureFailure &failure) {
            QCOMPARE(failure.reason(), PictureFailure::Reason::Missing);
            QVERIFY(failure.description().contains(QLatin1String("gone.gif")));
        }
    }
};

QTEST_MAIN(TestVanishedSource)
#include "tst_vanishedsource.moc"
