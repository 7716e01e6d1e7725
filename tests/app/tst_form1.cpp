// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/stampoptions.h"
#include "windowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <cmath>

namespace {

QString CaptionOf(const QWidget *widget)
{
    if (auto box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    if (auto button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto edit = qobject_cast<const QPlainTextEdit *>(widget))
        return edit->toPlainText();
    if (auto line = qobject_cast<const QLineEdit *>(widget))
        return line->text();
    if (auto tree = qobject_cast<const QTreeWidget *>(widget))
        return tree->headerItem()->text(0);
    if (auto bar = qobject_cast<const QProgressBar *>(widget))
        return bar->text();
    if (auto combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    return QString();
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void window();
    void firstStartValues();
    void optionGroupsAreSeparate();
    void busyPointer();
    void removalRefusedWhileBusy_data();
    void removalRefusedWhileBusy();
    void readableOnDesktopPalette_data();
    void readableOnDesktopPalette();
};

// Every control of the window: its class, container, caption and place in twips (15 to a
// pixel), as the window's design gives them and a first start under the C locale fills them.
void TestForm1::layout_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");

    const auto row = [](const char *name, const char *className, const char *container,
                         const char *caption, int left, int top, int width, int height) {
        QTest::newRow(name) << QString::fromLatin1(className) << QString::fromLatin1(container)
                            << QString::fromLatin1(caption) << QRect(left, top, width, height);
    };
    row("ListView1", "QTreeWidget", "Form1", "Image File(s)", 120, 120, 7800, 2535);
    row("PushButton2", "QPushButton", "Form1", "Add Image File(s)", 120, 2750, 3840, 405);
    row("PushButton3", "QPushButton", "Form1", "Add All File(s) In Folder", 4080, 2750, 3840, 405);
    row("PushButton4", "QPushButton", "Form1", "Clear List", 120, 3260, 3840, 405);
    row("PushButton5", "QPushButton", "Form1", "Load Sample/Example Files", 4080, 3260, 3840, 405);
    row("Frame2", "QGroupBox", "Form1", "Stamp Text Options", 120, 3730, 7800, 3900);
    row("Option1", "QRadioButton", "Frame2", "Stamp With:", 240, 340, 1515, 270);
    row("Combo4", "QComboBox", "Frame2", "Date Created", 1800, 300, 4845, 345);
    row("PushButton1", "QPushButton", "Frame2", "?", 6765, 300, 840, 390);
    row("Label1", "QLabel", "Frame2", "Format:", 480, 855, 945, 255);
    row("Combo1", "QComboBox", "Frame2", "Timestamp And Datestamp", 1800, 810, 5805, 345);
    row("Option2", "QRadioButton", "Frame2", "Stamp With User Specified Date/Time", 240, 1350, 4815,
        270);
    row("Label2", "QLabel", "Frame2", "Date:", 480, 1710, 585, 255);
    row("Text1", "QLineEdit", "Frame2", "2021-08-31", 1200, 1665, 1860, 345);
    row("Label3", "QLabel", "Frame2", "Time:", 3480, 1710, 585, 255);
    row("Text2", "QLineEdit", "Frame2", "13:23:45", 4200, 1665, 1860, 345);
    row("Option3", "QRadioButton", "Frame2", "Stamp With Your Custom Text:", 240, 2160, 3135, 270);
    row("Text5", "QPlainTextEdit", "Frame2", "", 480, 2475, 7020, 1185);
    row("styleButton", "QPushButton", "Frame2", "Stamp Style...", 5280, 2100, 2325, 375);
    row("Frame4", "QGroupBox", "Form1", "Position Of Stamp Text", 8040, 60, 3840, 825);
    row("Combo2", "QComboBox", "Frame4", "Upper-Left", 240, 300, 3405, 345);
    row("Frame3", "QGroupBox", "Form1", "Font Color", 12000, 60, 3840, 825);
    row("Picture2", "QLabel", "Frame3", "", 240, 270, 1530, 420);
    row("PushButton10", "QPushButton", "Frame3", "Change Color", 1920, 270, 1680, 405);
    row("Frame1", "QGroupBox", "Form1", "JPG Image Quality: 85%", 8040, 930, 7800, 855);
    row("Slider1", "QSlider", "Frame1", "", 120, 270, 6840, 495);
    row("PushButton11", "QPushButton", "Frame1", "?", 7080, 270, 480, 405);
    row("Text4", "QPlainTextEdit", "Form1", "AAaaBBbbCCcc", 8040, 1890, 7800, 2280);
    row("PushButton6", "QPushButton", "Form1", "Change Font", 8040, 4275, 3840, 405);
    row("PushButton9", "QPushButton", "Form1", "Preview Stamp", 12000, 4275, 3840, 405);
    row("Frame5", "QGroupBox", "Form1", "Save Option", 8040, 4740, 7800, 1815);
    row("Option4", "QRadioButton", "Frame5", "Save results to this folder:", 240, 270, 3615, 255);
    row("Frame6", "QGroupBox", "Frame5", "", 480, 510, 6840, 820);
    row("Text6", "QLineEdit", "Frame6", "/home/ana/Desktop/", 240, 300, 5670, 345);
    row("PushButton7", "QPushButton", "Frame6", "...", 6000, 300, 600, 345);
    row("Option5", "QRadioButton", "Frame5", "Save results in folder of original file", 240, 1410,
        3615, 255);
    row("PushButton8", "QPushButton", "Form1", "Start Stamping", 8040, 6675, 7800, 405);
    row("ProgressBar1", "QProgressBar", "Form1", "Progress Bar", 8040, 7200, 7800, 405);
}

void TestForm1::layout()
{
    QFETCH(QString, className);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);

    WindowFixture f;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QList<QWidget *> found = f.window.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    const QWidget *widget = found.first();
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(CaptionOf(widget), caption);
    const auto pixels = [](int t) { return qRound(t / 15.0); };
    QCOMPARE(widget->geometry(),
        QRect(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())));
}

void TestForm1::window()
{
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Kalvora"));
    QCOMPARE(f.window.size(), QSize(1064, 516));
    QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
    QCOMPARE(f.window.font().family(), QStringLiteral("Arial"));
    QCOMPARE(f.window.font().pointSize(), 9);
    QVERIFY(f.window.font().bold());
    // Arial is a name only: the font drawn is its metric twin.
    QCOMPARE(QFontInfo(f.find<QPushButton>("PushButton8")->font()).family(),
        QStringLiteral("Liberation Sans"));
    // Every control lies inside its container.
    for (const QWidget *child : f.window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            QVERIFY2(f.window.rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
}

void TestForm1::firstStartValues()
{
    WindowFixture f;
    const struct
    {
        const char *name;
        QStringList items;
    } lists[] = {{"Combo4", fileDateKindCaptions()}, {"Combo1", stampFormatCaptions()},
        {"Combo2", stampPositionCaptions()}};
    for (const auto &list : lists) {
        const QComboBox *combo = f.find<QComboBox>(list.name);
        QVERIFY(!combo->isEditable());
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, list.items);
        QCOMPARE(combo->currentIndex(), 0);
    }
    QCOMPARE(f.find<QComboBox>("Combo1")->itemText(0), QStringLiteral("Timestamp And Datestamp"));

    QVERIFY(f.find<QRadioButton>("Option3")->isChecked());
    QVERIFY(!f.find<QRadioButton>("Option1")->isChecked());
    QVERIFY(!f.find<QRadioButton>("Option2")->isChecked());
    QVERIFY(f.find<QRadioButton>("Option4")->isChecked());
    QVERIFY(!f.find<QRadioButton>("Option5")->isChecked());
    QVERIFY(f.find<QGroupBox>("Frame6")->isEnabled());
    QVERIFY(f.find<QLineEdit>("Text6")->isEnabled());

    const QSlider *slider = f.find<QSlider>("Slider1");
    QCOMPARE(slider->minimum(), 1);
    QCOMPARE(slider->maximum(), 100);
    QCOMPARE(slider->pageStep(), 5);
    QCOMPARE(slider->value(), 85);

    const QPlainTextEdit *sample = f.find<QPlainTextEdit>("Text4");
    QCOMPARE(sample->font().family(), QStringLiteral("Arial"));
    QCOMPARE(sample->font().pointSize(), 14);
    QVERIFY(sample->font().bold());
    QVERIFY(!sample->font().italic());
    QCOMPARE(sample->palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(sample->palette().color(QPalette::Base), QColor(Qt::black));
    const QLabel *swatch = f.find<QLabel>("Picture2");
    QCOMPARE(swatch->palette().color(swatch->backgroundRole()), QColor(Qt::white));
    QVERIFY(swatch->autoFillBackground());

    const QProgressBar *progress = f.find<QProgressBar>("ProgressBar1");
    QCOMPARE(progress->value(), 0);
    QVERIFY(progress->isTextVisible());
    QCOMPARE(f.window.imageList().count(), 0);
}

void TestForm1::optionGroupsAreSeparate()
{
    WindowFixture f;
    f.window.show();
    QTest::mouseClick(f.find<QRadioButton>("Option1"), Qt::LeftButton);
    QVERIFY(f.find<QRadioButton>("Option1")->isChecked());
    QVERIFY(!f.find<QRadioButton>("Option3")->isChecked());
    QVERIFY(f.find<QRadioButton>("Option4")->isChecked());

    QTest::mouseClick(f.find<QRadioButton>("Option5"), Qt::LeftButton);
    QVERIFY(f.find<QRadioButton>("Option5")->isChecked());
    QVERIFY(!f.find<QRadioButton>("Option4")->isChecked());
    QVERIFY(f.find<QRadioButton>("Option1")->isChecked());
}

void TestForm1::busyPointer()
{
    WindowFixture f;
    QVERIFY(!f.window.isBusy());
    QVERIFY(!QApplication::overrideCursor());
    f.window.setBusy(true);
    f.window.setBusy(true);
    QVERIFY(f.window.isBusy());
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    f.window.setBusy(false);
    QVERIFY(!f.window.isBusy());
    QVERIFY(!QApplication::overrideCursor());

    // A window closed while busy does not leave the busy pointer behind.
    {
        WindowFixture busy;
        busy.window.setBusy(true);
    }
    QVERIFY(!QApplication::overrideCursor());
}

void TestForm1::removalRefusedWhileBusy_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<int>("remaining");
    QTest::newRow("Delete key") << "key" << false << 1;
    QTest::newRow("Delete key, busy") << "key" << true << 2;
    QTest::newRow("Clear List") << "clear" << false << 0;
    QTest::newRow("Clear List, busy") << "clear" << true << 2;
}

void TestForm1::removalRefusedWhileBusy()
{
    QFETCH(QString, how);
    QFETCH(bool, busy);
    QFETCH(int, remaining);

    WindowFixture f;
    f.window.show();
    f.window.imageList().append(QStringLiteral("/p/one.jpg"));
    f.window.imageList().append(QStringLiteral("/p/two.jpg"));
    auto *view = f.find<QTreeWidget>("ListView1");
    view->setCurrentItem(view->topLevelItem(0));
    f.window.setBusy(busy);
    if (how == QLatin1String("key"))
        QTest::keyClick(view, Qt::Key_Delete);
    else
        f.click("PushButton4");
    f.window.setBusy(false);
    QCOMPARE(f.window.imageList().count(), remaining);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestForm1::readableOnDesktopPalette_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("field");
    QTest::addColumn<QColor>("fieldText");
    QTest::newRow("light") << QColor(239, 239, 239) << QColor(Qt::black) << QColor(Qt::white)
                           << QColor(Qt::black);
    QTest::newRow("dark") << QColor(53, 53, 53) << QColor(238, 238, 238) << QColor(42, 42, 42)
                          << QColor(230, 230, 230);
}

// Every frame, option and label shows its caption with the contrast that WCAG asks of text
// (4.5 to 1), on the desktop's palette as on the design's white.
void TestForm1::readableOnDesktopPalette()
{
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    QFETCH(QColor, field);
    QFETCH(QColor, fieldText);
    const QPalette before = QApplication::palette();
    QPalette desktop = before;
    desktop.setColor(QPalette::Window, window);
    desktop.setColor(QPalette::WindowText, text);
    desktop.setColor(QPalette::Base, field);
    desktop.setColor(QPalette::Text, fieldText);
    desktop.setColor(QPalette::Button, window);
    desktop.setColor(QPalette::ButtonText, text);
    QApplication::setPalette(desktop);
    const auto luminance = [](const QColor &color) {
        const auto channel = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF())
            + 0.0722 * channel(color.blueF());
    };
    {
        WindowFixture f;
        int checked = 0;
        for (QWidget *panel : f.window.findChildren<QWidget *>()) {
            if (!qobject_cast<QGroupBox *>(panel) && !qobject_cast<QRadioButton *>(panel)
                && !qobject_cast<QLabel *>(panel))
                continue;
            if (CaptionOf(panel).isEmpty())
                continue;
            const double a = luminance(panel->palette().color(QPalette::Window));
            const double b = luminance(panel->palette().color(panel->foregroundRole()));
            const double contrast = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
            QVERIFY2(contrast >= 4.5,
                qPrintable(QStringLiteral("%1: %2").arg(panel->objectName()).arg(contrast)));
            ++checked;
        }
        QVERIFY(checked >= 10);
    }
    QApplication::setPalette(before);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
