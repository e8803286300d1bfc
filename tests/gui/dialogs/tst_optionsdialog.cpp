// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"
#include "scriptedinteraction.h"
#include "ui/dialogs/optionsdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

template<class T> T *control(const QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QCheckBox *check(const QWidget &dialog, const char *name)
{
    return control<QCheckBox>(dialog, name);
}

QLineEdit *edit(const QWidget &dialog, const char *name)
{
    return control<QLineEdit>(dialog, name);
}

QPushButton *button(const QWidget &dialog, const char *name)
{
    return control<QPushButton>(dialog, name);
}

QColor sampleColour(const QWidget &dialog)
{
    return control<QLabel>(dialog, "backColourSample")->palette().color(QPalette::Window);
}

void showActive(QWidget &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

// Answers like a real modal box: events queued meanwhile are handled while it is open.
class ModalInteraction : public ScriptedInteraction {
public:
    Answer messageBox(const QString &text, MessageStyle style, const QString &title) override
    {
        QCoreApplication::processEvents();
        return ScriptedInteraction::messageBox(text, style, title);
    }
};

// Settings that differ from the defaults in every field the dialog edits.
Settings customised()
{
    Settings settings;
    settings.freeWindow = 0;
    settings.randomOrder = 1;
    settings.useFade = 0;
    settings.showBackColour = QColor(0x00, 0x80, 0xFF);
    settings.searchBmp = 0;
    settings.searchJpg = 1;
    settings.listSaveFolder = QStringLiteral("/data/リスト");
    settings.startupList = QStringLiteral("/data/リスト/朝.vrl");
    return settings;
}

bool sameOptions(const Settings &a, const Settings &b)
{
    return a.freeWindow == b.freeWindow && a.randomOrder == b.randomOrder &&
           a.useFade == b.useFade && a.showBackColour == b.showBackColour &&
           a.searchBmp == b.searchBmp && a.searchJpg == b.searchJpg &&
           a.listSaveFolder == b.listSaveFolder && a.startupList == b.startupList;
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixedWindowIsTheInverseOfFreeWindow_data();
    void fixedWindowIsTheInverseOfFreeWindow();
    void loadShowsEveryStoredOption();
    void storedValueOutsideZeroAndOneLeavesBoxUnchecked();
    void okWritesEveryOptionAndAsksForTheListFocus();
    void cancelAndCloseBoxWriteNothing_data();
    void cancelAndCloseBoxWriteNothing();
    void jpgUncheckedAloneIsStoredWithoutMessage();
    void leavingBothPictureTypesUncheckedIsRefused();
    void movingBetweenPictureTypesAsksNothing();
    void okRefusesBothPictureTypesUnchecked();
    void clickOnOkAfterUncheckingBothGivesOneMessage();
    void resetThenCancelChangesNothing();
    void resetThenOkStoresTheDefaults();
    void colourChooserStartsFromItsLastAnswer();
    void folderChooserFillsTheSaveFolder();
    void folderChooserStartsAtTheDesktop_data();
    void folderChooserStartsAtTheDesktop();
    void fileChooserFillsTheStartupList();
};

void TestOptionsDialog::fixedWindowIsTheInverseOfFreeWindow_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("shownChecked");
    QTest::newRow("free window shows the fixed box unchecked") << 1 << false;
    QTest::newRow("fixed window shows the fixed box checked") << 0 << true;
}

// "スライド画面を固定で起動" shows FreeWindow inverted and stores the toggled value inverted.
void TestOptionsDialog::fixedWindowIsTheInverseOfFreeWindow()
{
    QFETCH(int, stored);
    QFETCH(bool, shownChecked);
    Settings settings;
    settings.freeWindow = qint16(stored);
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    QCOMPARE(check(dialog, "startFixedCheck")->text(), QStringLiteral("スライド画面を固定で起動"));
    QCOMPARE(check(dialog, "startFixedCheck")->isChecked(), shownChecked);

    check(dialog, "startFixedCheck")->click();
    button(dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(settings.freeWindow.stored()), 1 - stored);
}

// Opening fills the controls from the settings.
void TestOptionsDialog::loadShowsEveryStoredOption()
{
    Settings settings = customised();
    settings.restoreListFocus = true;
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("オプション"));
    QCOMPARE(edit(dialog, "saveFolderEdit")->text(), settings.listSaveFolder);
    QCOMPARE(edit(dialog, "startupListEdit")->text(), settings.startupList);
    QCOMPARE(sampleColour(dialog), QColor(0x00, 0x80, 0xFF));
    QVERIFY(check(dialog, "startFixedCheck")->isChecked());
    QVERIFY(!check(dialog, "fadeCheck")->isChecked());
    QVERIFY(check(dialog, "randomOrderCheck")->isChecked());
    QVERIFY(!check(dialog, "bmpCheck")->isChecked());
    QVERIFY(check(dialog, "jpegCheck")->isChecked());
    QVERIFY(!settings.restoreListFocus);
}

// A stored flag other than 0 or 1 leaves its box as designed: unchecked.
void TestOptionsDialog::storedValueOutsideZeroAndOneLeavesBoxUnchecked()
{
    Settings settings;
    settings.useFade = 2;
    settings.freeWindow = -1;
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    QVERIFY(!check(dialog, "fadeCheck")->isChecked());
    QVERIFY(!check(dialog, "startFixedCheck")->isChecked());
}

// OK writes the eight options from the controls and asks the main window to restore its focus.
void TestOptionsDialog::okWritesEveryOptionAndAsksForTheListFocus()
{
    Settings settings;
    ScriptedInteraction interaction;
    interaction.colours.enqueue(QColor(0x00, 0x80, 0xFF));
    OptionsDialog dialog(settings, interaction);
    check(dialog, "startFixedCheck")->click();
    check(dialog, "fadeCheck")->click();
    check(dialog, "randomOrderCheck")->click();
    check(dialog, "bmpCheck")->click();
    edit(dialog, "saveFolderEdit")->setText(QStringLiteral("/data/リスト"));
    edit(dialog, "startupListEdit")->setText(QStringLiteral("/data/リスト/朝.vrl"));
    button(dialog, "colourBrowseButton")->click();
    button(dialog, "okButton")->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(sameOptions(settings, customised()));
    QVERIFY(settings.restoreListFocus);
    QVERIFY(interaction.callsOf(QStringLiteral("message")).isEmpty());
}

void TestOptionsDialog::cancelAndCloseBoxWriteNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("cancel button") << false;
    QTest::newRow("window close box") << true;
}

// Cancel and the close box discard every change.
void TestOptionsDialog::cancelAndCloseBoxWriteNothing()
{
    QFETCH(bool, closeBox);
    Settings settings = customised();
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    showActive(dialog);
    check(dialog, "startFixedCheck")->click();
    edit(dialog, "saveFolderEdit")->setText(QStringLiteral("/elsewhere"));
    if (closeBox)
        dialog.close();
    else
        button(dialog, "cancelButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(sameOptions(settings, customised()));
    QVERIFY(!settings.restoreListFocus);
}

// Unchecking JPG while BMP stays checked is stored without a message.
void TestOptionsDialog::jpgUncheckedAloneIsStoredWithoutMessage()
{
    Settings settings;
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    showActive(dialog);
    check(dialog, "jpegCheck")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check(dialog, "jpegCheck"), Qt::Key_Space);
    button(dialog, "okButton")->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(button(dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(settings.searchJpg.stored()), 0);
    QCOMPARE(int(settings.searchBmp.stored()), 1);
    QVERIFY(interaction.callsOf(QStringLiteral("message")).isEmpty());
}

// Leaving the picture types with both unchecked asks for at least one type, gives the box that was
// left its value back and puts the focus on BMP.
void TestOptionsDialog::leavingBothPictureTypesUncheckedIsRefused()
{
    Settings settings;
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    showActive(dialog);
    check(dialog, "bmpCheck")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check(dialog, "bmpCheck"), Qt::Key_Space);
    QTest::keyClick(check(dialog, "bmpCheck"), Qt::Key_Tab);
    QVERIFY(check(dialog, "jpegCheck")->hasFocus());
    QTest::keyClick(check(dialog, "jpegCheck"), Qt::Key_Space);
    button(dialog, "okButton")->setFocus(Qt::TabFocusReason);

    QTRY_COMPARE(interaction.callsOf(QStringLiteral("message")).size(), 1);
    const ScriptedInteraction::Call message = interaction.callsOf(QStringLiteral("message"))[0];
    QCOMPARE(message.text, QStringLiteral("最低一つを選択して下さい"));
    QCOMPARE(message.title, QStringLiteral("メッセージ"));
    QCOMPARE(message.style, MessageStyle::Exclamation);
    QVERIFY(check(dialog, "jpegCheck")->isChecked());
    QVERIFY(!check(dialog, "bmpCheck")->isChecked());
    QTRY_VERIFY(check(dialog, "bmpCheck")->hasFocus());
    QVERIFY(dialog.isVisible());
}

// Moving from one picture type to the other asks nothing, even with both unchecked.
void TestOptionsDialog::movingBetweenPictureTypesAsksNothing()
{
    Settings settings;
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    showActive(dialog);
    check(dialog, "bmpCheck")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check(dialog, "bmpCheck"), Qt::Key_Space);
    QTest::keyClick(check(dialog, "bmpCheck"), Qt::Key_Tab);
    QTest::keyClick(check(dialog, "jpegCheck"), Qt::Key_Space);
    QTest::keyClick(check(dialog, "jpegCheck"), Qt::Key_Backtab);
    QVERIFY(check(dialog, "bmpCheck")->hasFocus());
    QCoreApplication::processEvents();
    QVERIFY(interaction.callsOf(QStringLiteral("message")).isEmpty());
}

// OK never stores both picture types off, even when the last box left had not changed.
void TestOptionsDialog::okRefusesBothPictureTypesUnchecked()
{
    Settings settings;
    settings.searchJpg = 0;
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    showActive(dialog);
    check(dialog, "bmpCheck")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check(dialog, "bmpCheck"), Qt::Key_Space);
    QTest::keyClick(check(dialog, "bmpCheck"), Qt::Key_Tab);
    QTest::keyClick(check(dialog, "jpegCheck"), Qt::Key_Return);

    QCOMPARE(interaction.callsOf(QStringLiteral("message")).size(), 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(int(settings.searchBmp.stored()), 1);
    QTRY_VERIFY(check(dialog, "bmpCheck")->hasFocus());
}

// Clicking OK straight from the unchecked box warns once, though two checks are pending.
void TestOptionsDialog::clickOnOkAfterUncheckingBothGivesOneMessage()
{
    Settings settings;
    ModalInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    showActive(dialog);
    check(dialog, "bmpCheck")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check(dialog, "bmpCheck"), Qt::Key_Space);
    QTest::keyClick(check(dialog, "bmpCheck"), Qt::Key_Tab);
    QTest::keyClick(check(dialog, "jpegCheck"), Qt::Key_Space);
    QTest::mouseClick(button(dialog, "okButton"), Qt::LeftButton);
    QCoreApplication::processEvents();

    QCOMPARE(interaction.callsOf(QStringLiteral("message")).size(), 1);
    QVERIFY(check(dialog, "jpegCheck")->isChecked());
    QVERIFY(dialog.isVisible());
    QTRY_VERIFY(check(dialog, "bmpCheck")->hasFocus());
}

// "初期値に戻す" changes only the controls; Cancel afterwards leaves every setting as it was.
void TestOptionsDialog::resetThenCancelChangesNothing()
{
    Settings settings = customised();
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    button(dialog, "resetButton")->click();
    QVERIFY(edit(dialog, "saveFolderEdit")->text().isEmpty());
    QCOMPARE(sampleColour(dialog), QColor(Qt::black));
    button(dialog, "cancelButton")->click();
    QVERIFY(sameOptions(settings, customised()));
}

// "初期値に戻す" then OK stores the option record's defaults.
void TestOptionsDialog::resetThenOkStoresTheDefaults()
{
    Settings settings = customised();
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    button(dialog, "resetButton")->click();
    button(dialog, "okButton")->click();
    QVERIFY(sameOptions(settings, Settings()));
    QCOMPARE(settings.showBackColour, QColor(Qt::black));
}

// The colour chooser starts from black, then from the colour it returned last; a cancelled
// chooser keeps the sample.
void TestOptionsDialog::colourChooserStartsFromItsLastAnswer()
{
    Settings settings = customised();
    ScriptedInteraction interaction;
    interaction.colours.enqueue(std::nullopt);
    interaction.colours.enqueue(QColor(Qt::red));
    interaction.colours.enqueue(std::nullopt);
    OptionsDialog dialog(settings, interaction);
    auto *browse = button(dialog, "colourBrowseButton");

    browse->click();
    QCOMPARE(sampleColour(dialog), QColor(0x00, 0x80, 0xFF));
    browse->click();
    QCOMPARE(sampleColour(dialog), QColor(Qt::red));
    browse->click();
    QCOMPARE(sampleColour(dialog), QColor(Qt::red));

    const auto asked = interaction.callsOf(QStringLiteral("colour"));
    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked[0].text, QStringLiteral("#000000"));
    QCOMPARE(asked[1].text, QStringLiteral("#000000"));
    QCOMPARE(asked[2].text, QStringLiteral("#ff0000"));
    button(dialog, "okButton")->click();
    QCOMPARE(settings.showBackColour, QColor(Qt::red));
}

// The folder browser fills the save folder; cancelled, it keeps the text.
void TestOptionsDialog::folderChooserFillsTheSaveFolder()
{
    Settings settings = customised();
    ScriptedInteraction interaction;
    interaction.fileNames.enqueue(QString());
    interaction.fileNames.enqueue(QStringLiteral("/srv/写真"));
    OptionsDialog dialog(settings, interaction);
    auto *browse = button(dialog, "saveFolderBrowseButton");

    browse->click();
    QCOMPARE(edit(dialog, "saveFolderEdit")->text(), settings.listSaveFolder);
    browse->click();
    QCOMPARE(edit(dialog, "saveFolderEdit")->text(), QStringLiteral("/srv/写真"));
    QCOMPARE(interaction.callsOf(QStringLiteral("folder"))[0].text,
             QStringLiteral("リストの保存先指定"));
}

void TestOptionsDialog::folderChooserStartsAtTheDesktop_data()
{
    QTest::addColumn<bool>("desktopExists");
    QTest::newRow("the desktop folder, not the folder in the box") << true;
    QTest::newRow("the home folder when there is no desktop") << false;
}

// The folder browser opens at the desktop whatever the save folder box holds.
void TestOptionsDialog::folderChooserStartsAtTheDesktop()
{
    QFETCH(bool, desktopExists);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    const QString desktop = home.path() + QStringLiteral("/Desktop");
    if (desktopExists)
        QVERIFY(QDir().mkpath(desktop));
    Settings settings = customised();
    ScriptedInteraction interaction;
    OptionsDialog dialog(settings, interaction);
    button(dialog, "saveFolderBrowseButton")->click();
    const auto asked = interaction.callsOf(QStringLiteral("folder"));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].title, desktopExists ? desktop : home.path());
}

// The file chooser offers each list type once and fills the start-up list; cancelled, it keeps
// the path.
void TestOptionsDialog::fileChooserFillsTheStartupList()
{
    Settings settings = customised();
    ScriptedInteraction interaction;
    interaction.fileNames.enqueue(QString());
    interaction.fileNames.enqueue(QStringLiteral("/srv/夜.sml"));
    OptionsDialog dialog(settings, interaction);
    auto *browse = button(dialog, "startupListBrowseButton");

    browse->click();
    QCOMPARE(edit(dialog, "startupListEdit")->text(), settings.startupList);
    const ScriptedInteraction::Call asked = interaction.callsOf(QStringLiteral("open"))[0];
    QCOMPARE(asked.text, QStringLiteral("起動時に実行するリスト名"));
    // Qt shows each filter as given: the pattern that ends the caption is its only one.
    QCOMPARE(asked.filters, (QStringList{QStringLiteral("Velloraリストファイル(*.vrl)"),
                                         QStringLiteral("Somnelリストファイル(*.sml)")}));

    browse->click();
    button(dialog, "okButton")->click();
    QCOMPARE(settings.startupList, QStringLiteral("/srv/夜.sml"));
}

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
