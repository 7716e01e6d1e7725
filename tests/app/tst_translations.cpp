// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/programtranslations.h"
#include "options/settingskeys.h"
#include "stampcommand.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QProcess>
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

    static QString stampHelp(const QString &locale)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.insert(QStringLiteral("LANG"), locale);
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-stamp"),
            {QStringLiteral("--help")});
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
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
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
