// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/stampoptions.h"
#include "ui/qtdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

/// Hands the next modal dialog of type D to \a act once it shows; gives up after two seconds so
/// a dialog that never appears fails the test instead of hanging it.
template <typename D> void WhenShown(const std::function<void(D *)> &act, bool *seen)
{
    auto *timer = new QTimer;
    auto *tries = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act, seen] {
        if (auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget())) {
            *seen = true;
            timer->stop();
            timer->deleteLater();
            delete tries;
            act(dialog);
        } else if (++*tries > 200) {
            timer->stop();
            timer->deleteLater();
            delete tries;
        }
    });
    timer->start(10);
}

} // namespace

class TestQtDialogs : public QObject
{
    Q_OBJECT
private slots:
    void fileFilter_data();
    void fileFilter();
    void message_data();
    void message();
    void askText_data();
    void askText();
    void chooseColor_data();
    void chooseColor();
    void chooseFolder_data();
    void chooseFolder();
    void chooseFont();
    void chooseFontAlias_data();
    void chooseFontAlias();
};

void TestQtDialogs::fileFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("pictures") << "All Pictures (*.jpg;*.png)|*.jpg;*.png|"
                              << "All Pictures (*.jpg *.JPG *.png *.PNG)";
    QTest::newRow("without the closing separator") << "Pictures|*.jpg;*.gif"
                                                   << "Pictures (*.jpg *.JPG *.gif *.GIF)";
    QTest::newRow("two entries") << "JPEG|*.jpg|All files|*.*|"
                                 << "JPEG (*.jpg *.JPG);;All files (*.*)";
    QTest::newRow("patterns repeated or blank") << "Images|*.jpg; *.JPG;;*.jpg|"
                                                << "Images (*.jpg *.JPG)";
    QTest::newRow("Qt's own form") << "Images (*.png *.jpg)"
                                   << "Images (*.png *.jpg)";
    QTest::newRow("empty") << ""
                           << "";
}

void TestQtDialogs::fileFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(qtFileFilter(filter), expected);
}

void TestQtDialogs::message_data()
{
    QTest::addColumn<bool>("exclamation");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shownText");
    QTest::newRow("plain") << false << QMessageBox::NoIcon << "No files added."
                           << "No files added.";
    QTest::newRow("exclamation") << true << QMessageBox::Warning << "No files added."
                                 << "No files added.";
    // Messages keep their classic line ends in the call; on screen each is one line break.
    QTest::newRow("carriage returns")
        << false << QMessageBox::NoIcon << "Date Taken only applies.\r\rAlso, the JPG file."
        << "Date Taken only applies.\n\nAlso, the JPG file.";
    QTest::newRow("error report line ends")
        << true << QMessageBox::Warning << "Overflow\r\nin X at line 7\r\rPlease email"
        << "Overflow\nin X at line 7\n\nPlease email";
}

void TestQtDialogs::message()
{
    QFETCH(bool, exclamation);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QString, text);
    QFETCH(QString, shownText);

    QWidget owner;
    owner.show();
    QtDialogs dialogs(&owner);
    bool seen = false;
    QString title, shown;
    QMessageBox::Icon shownIcon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    QWidget *parent = nullptr;
    WhenShown<QMessageBox>(
        [&](QMessageBox *box) {
            title = box->windowTitle();
            shown = box->text();
            shownIcon = box->icon();
            buttons = box->standardButtons();
            parent = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        },
        &seen);
    dialogs.showMessage(QStringLiteral("Kalvora"), text,
        exclamation ? Dialogs::Icon::Exclamation : Dialogs::Icon::None);
    QVERIFY(seen);
    QCOMPARE(title, QStringLiteral("Kalvora"));
    QCOMPARE(shown, shownText);
    QCOMPARE(shownIcon, icon);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(parent, &owner);
}

void TestQtDialogs::askText_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("proposal kept") << true << QString() << "*";
    QTest::newRow("answer typed") << true << "jpg"
                                  << "jpg";
    QTest::newRow("cancelled") << false << "jpg"
                               << "";
}

void TestQtDialogs::askText()
{
    QFETCH(bool, accept);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    QtDialogs dialogs;
    bool seen = false;
    QString label, proposed;
    WhenShown<QInputDialog>(
        [&](QInputDialog *input) {
            label = input->labelText();
            proposed = input->textValue();
            if (!typed.isEmpty())
                input->setTextValue(typed);
            accept ? input->accept() : input->reject();
        },
        &seen);
    // The prompt keeps its classic line ends in the call and shows them as line breaks.
    const QString answer = dialogs.askText(
        QStringLiteral("Kalvora"), QStringLiteral("Enter file extension:\r\r(* for all)"), "*");
    QVERIFY(seen);
    QCOMPARE(label, QStringLiteral("Enter file extension:\n\n(* for all)"));
    QCOMPARE(proposed, QStringLiteral("*"));
    QCOMPARE(answer, expected);
}

void TestQtDialogs::chooseColor_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("chosen") << true << colorValue(200, 100, 50);
    QTest::newRow("cancelled") << false << colorValue(10, 20, 30);
}

void TestQtDialogs::chooseColor()
{
    QFETCH(bool, accept);
    QFETCH(quint32, expected);

    QtDialogs dialogs;
    bool seen = false;
    QColor preset;
    WhenShown<QColorDialog>(
        [&](QColorDialog *dialog) {
            preset = dialog->currentColor();
            dialog->setCurrentColor(QColor(200, 100, 50));
            accept ? dialog->accept() : dialog->reject();
        },
        &seen);
    const quint32 answer = dialogs.chooseColor(colorValue(10, 20, 30));
    QVERIFY(seen);
    QCOMPARE(preset, QColor(10, 20, 30)); // red is the low byte
    QCOMPARE(answer, expected);
}

void TestQtDialogs::chooseFolder_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestQtDialogs::chooseFolder()
{
    QFETCH(bool, accept);

    QTemporaryDir scratch;
    const QString folder = scratch.filePath(QStringLiteral("photos"));
    QVERIFY(QDir().mkpath(folder));
    QtDialogs dialogs;
    bool seen = false;
    QString title;
    WhenShown<QFileDialog>(
        [&](QFileDialog *dialog) {
            title = dialog->windowTitle();
            dialog->setDirectory(folder);
            QDialog *plain = dialog; // QFileDialog hides accept() behind its own checks
            accept ? plain->accept() : plain->reject();
        },
        &seen);
    const QString answer = dialogs.chooseFolder(QStringLiteral("Please select folder:"), {});
    QVERIFY(seen);
    QCOMPARE(title, QStringLiteral("Please select folder:"));
    QCOMPARE(answer, accept ? folder : QString());
}

void TestQtDialogs::chooseFont()
{
    QtDialogs dialogs;
    FontChoice preset;
    preset.name = QStringLiteral("Liberation Serif");
    preset.pointSize = 20;
    preset.bold = true;
    preset.strikeOut = true;

    bool seen = false;
    QFont shown;
    WhenShown<QFontDialog>(
        [&](QFontDialog *dialog) {
            shown = dialog->currentFont();
            dialog->reject();
        },
        &seen);
    QCOMPARE(dialogs.chooseFont(preset), preset); // cancelled: the preset comes back
    QVERIFY(seen);
    QCOMPARE(shown.family(), preset.name);
    QCOMPARE(shown.pointSize(), 20);
    QVERIFY(shown.bold());

    seen = false;
    bool effectsShown = true;
    WhenShown<QFontDialog>(
        [&](QFontDialog *dialog) {
            effectsShown = false;
            for (const QCheckBox *effect : dialog->findChildren<QCheckBox *>())
                effectsShown = effectsShown || effect->isVisibleTo(dialog);
            QFont font(QStringLiteral("Liberation Mono"));
            font.setPointSize(12);
            font.setItalic(true);
            font.setUnderline(true);
            dialog->setCurrentFont(font);
            dialog->accept();
        },
        &seen);
    const FontChoice chosen = dialogs.chooseFont(preset);
    QVERIFY(seen);
    QVERIFY(!effectsShown);
    QCOMPARE(chosen.name, QStringLiteral("Liberation Mono"));
    QCOMPARE(chosen.pointSize, 12.0);
    QVERIFY(chosen.italic);
    QVERIFY(!chosen.bold);
    // The dialog offers no effects, so strikethrough and underline stay as preset.
    QVERIFY(chosen.strikeOut);
    QVERIFY(!chosen.underline);
}

void TestQtDialogs::chooseFontAlias_data()
{
    // "Arial" is an alias wherever fontconfig puts another family in its place; the family it
    // stands for is found here through fontconfig itself, not through Qt.
    QProcess match;
    match.start(QStringLiteral("fc-match"),
        {QStringLiteral("-f"), QStringLiteral("%{family[0]}"), QStringLiteral("Arial")});
    QVERIFY(match.waitForFinished());
    const QString standsFor = QString::fromUtf8(match.readAllStandardOutput());
    if (QFontDatabase::hasFamily(QStringLiteral("Arial")) || standsFor.isEmpty())
        QSKIP("Arial is a family of its own here, not an alias");

    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("opensAt");
    QTest::addColumn<QString>("picked"); // empty: OK without another choice
    QTest::addColumn<QString>("saved");
    QTest::newRow("alias kept") << "Arial" << standsFor << QString() << "Arial";
    QTest::newRow("alias, another family picked") << "Arial" << standsFor << "Liberation Mono"
                                                  << "Liberation Mono";
    QTest::newRow("alias, the family it stands for picked")
        << "Arial" << standsFor << standsFor << "Arial";
    QTest::newRow("a family of its own") << "Liberation Serif"
                                         << "Liberation Serif" << QString() << "Liberation Serif";
}

void TestQtDialogs::chooseFontAlias()
{
    QFETCH(QString, preset);
    QFETCH(QString, opensAt);
    QFETCH(QString, picked);
    QFETCH(QString, saved);
    QtDialogs dialogs;
    FontChoice choice;
    choice.name = preset;
    choice.pointSize = 14;
    QString shownFamily;
    QString listed;
    bool seen = false;
    WhenShown<QFontDialog>(
        [&](QFontDialog *dialog) {
            shownFamily = dialog->currentFont().family();
            // The family list's selection, as the user sees it.
            if (const auto *list = dialog->findChild<QListView *>())
                listed = list->currentIndex().data().toString();
            if (!picked.isEmpty())
                dialog->setCurrentFont(QFont(picked, 14));
            dialog->accept();
        },
        &seen);
    const FontChoice chosen = dialogs.chooseFont(choice);
    QVERIFY(seen);
    QCOMPARE(shownFamily, opensAt);
    QCOMPARE(listed, opensAt);
    QCOMPARE(chosen.name, saved);
}

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
