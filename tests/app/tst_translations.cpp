// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/programtranslations.h"
#include "options/settingskeys.h"
#include "stampcommand.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

// The interface in the user's language. Each expectation is read from the compiled catalogue
// itself, so the test holds whatever the translators write, and fails when a text is not
// routed through the catalogue or the program does not find it.
class TranslationsTest : public QObject
{
    Q_OBJECT

private:
    // The catalogue's own translation of a source text, and a check that it has one.
    static QString catalogued(const QString &language, const char *context, const char *source)
    {
        QTranslator catalogue;
        const QString file
            = programTranslationsFolder() + QStringLiteral("/kalvora_%1.qm").arg(language);
        if (!catalogue.load(file))
            return QStringLiteral("<no catalogue %1>").arg(file);
        return catalogue.translate(context, source);
    }

    // kalvora-stamp run under \a locale: what it printed on the standard output, or with
    // \a errors on the standard error.
    static QString runStamp(const QString &locale, const QStringList &arguments, bool errors)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.insert(QStringLiteral("LANG"), locale);
        process.setProcessEnvironment(environment);
        process.start(
            QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-stamp"), arguments);
        process.waitForFinished(60000);
        return QString::fromUtf8(
            errors ? process.readAllStandardError() : process.readAllStandardOutput());
    }

    static QString stampHelp(const QString &locale)
    {
        return runStamp(locale, {QStringLiteral("--help")}, false);
    }

private slots:
    void windowTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("shown");
        QTest::newRow("de button") << "de"
                                   << "Form1"
                                   << "Start Stamping"
                                   << "PushButton8";
        QTest::newRow("de frame") << "de"
                                  << "Form1"
                                  << "Position Of Stamp Text"
                                  << "Frame4";
        QTest::newRow("de list caption") << "de"
                                         << "StampOptions"
                                         << "Upper-Left"
                                         << "Combo2";
        QTest::newRow("de message") << "de"
                                    << "StampRun"
                                    << "No files added."
                                    << "message";
        QTest::newRow("fr button") << "fr"
                                   << "Form1"
                                   << "Start Stamping"
                                   << "PushButton8";
        QTest::newRow("es message") << "es"
                                    << "StampRun"
                                    << "No files added."
                                    << "message";
        QTest::newRow("C button") << "C"
                                  << ""
                                  << "Start Stamping"
                                  << "PushButton8";
        QTest::newRow("C list caption") << "C"
                                        << ""
                                        << "Upper-Left"
                                        << "Combo2";
    }

    // The window's captions and a message under the language's catalogue; the settings keep
    // the English caption whatever the list shows, so the file reads the same in any language.
    void windowTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, shown);
        const ProgramTranslations translations(QLocale(language), programTranslationsFolder());
        QCOMPARE(translations.programCatalogueLoaded(), language != QLatin1String("C"));
        QString expected = source;
        if (!context.isEmpty()) {
            expected = catalogued(
                language, context.toLatin1().constData(), source.toLatin1().constData());
            QVERIFY2(!expected.isEmpty() && expected != source, qPrintable(expected));
        }

        WindowFixture f;
        QString actual;
        if (shown == QLatin1String("message")) {
            f.click("PushButton8");
            QVERIFY(!f.dialogs.messages().isEmpty());
            actual = f.dialogs.messages().last();
        } else if (auto *frame = f.find<QGroupBox>(qPrintable(shown))) {
            actual = frame->title();
        } else if (auto *list = f.find<QComboBox>(qPrintable(shown))) {
            actual = list->currentText();
            QCOMPARE(f.settings.read(Keys::kPosition), source);
        } else {
            actual = f.find<QPushButton>(qPrintable(shown))->text();
        }
        QCOMPARE(actual, expected);
    }

    // kalvora-stamp finds its catalogue from the locale a terminal sets; the expectation is
    // the help text run through the same catalogue in this process.
    void stampHelp_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("translated");
        QTest::newRow("de") << "de_DE.UTF-8" << true;
        QTest::newRow("es") << "es_ES.UTF-8" << true;
        QTest::newRow("C") << "C.UTF-8" << false;
    }

    void stampHelp()
    {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        auto translations
            = std::make_unique<ProgramTranslations>(QLocale(locale), programTranslationsFolder());
        const QString expected = stampUsage();
        translations.reset();
        QCOMPARE(expected != stampUsage(), translated);
        QCOMPARE(stampHelp(locale), expected);
    }

    // The engine's failure texts in kalvora-stamp's per-file lines, composed of translated
    // parts: a PNG cut short before its end, and a photo never stamped named to --undo.
    void stampFailureLines_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("undo");
        QTest::newRow("de cut PNG") << "de_DE.UTF-8"
                                    << "de" << false;
        QTest::newRow("de undo") << "de_DE.UTF-8"
                                 << "de" << true;
        QTest::newRow("fr cut PNG") << "fr_FR.UTF-8"
                                    << "fr" << false;
        QTest::newRow("es undo") << "es_ES.UTF-8"
                                 << "es" << true;
        QTest::newRow("C cut PNG") << "C.UTF-8"
                                   << "" << false;
        QTest::newRow("C undo") << "C.UTF-8"
                                << "" << true;
    }

    void stampFailureLines()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(bool, undo);
        // The catalogue's text, which must differ from the English, or the English for C.
        const auto text = [&](const char *context, const char *source) {
            if (language.isEmpty())
                return QString::fromLatin1(source);
            const QString translated = catalogued(language, context, source);
            return translated.isEmpty() || translated == QLatin1String(source)
                ? QStringLiteral("<no translation of %1>").arg(QLatin1String(source))
                : translated;
        };
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("photo.png"));
        QImage picture(32, 24, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(path, "png"));
        QString expected;
        QStringList arguments;
        if (undo) {
            arguments = {QStringLiteral("--undo"), path};
            expected = text("UndoReasons",
                "carries no restore data (it was not stamped with the photo's own quality)");
        } else {
            QFile file(path);
            QVERIFY(file.resize(file.size() - 6));
            arguments = {QStringLiteral("--text"), QStringLiteral("X"), QStringLiteral("--output"),
                folder.path(), path};
            expected = text("PictureFailures", "The picture %1 is damaged: %2")
                           .arg(path,
                               text("PictureFailures",
                                   "the file is cut short before its end chunk (%1 bytes)")
                                   .arg(file.size()));
        }
        const QStringList lines = runStamp(locale, arguments, true).split(u'\n').filter(path);
        QCOMPARE(lines, QStringList {path + QStringLiteral(": ") + expected});
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
