// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/statushints.h"
#include "core/slidelist/slidelistmodel.h"
#include "ui/mainwindow/mainactions.h"
#include "ui/slidelist/slidelistview.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

class RecordingHints : public StatusHints {
public:
    QString text;
    void setHint(const QString &hint) override { text = hint; }
    QString hint() const override { return text; }
    void setProgressMaximum(int) override {}
    void setProgressValue(int) override {}
};

QString entryPath(int position)
{
    return QStringLiteral("/p/%1.jpg").arg(position);
}

} // namespace

class TestSlideListView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void focusShowsCountAndLeavingEmptiesIt();
    void focusOnEmptyListKeepsHint();
    void arrowReleasePreviews_data();
    void arrowReleasePreviews();
    void leftReleasePreviewsUnlessShiftAlone();
    void popUpOnlyOverAnEntry();
    void keyboardOpensPopUpAtSelectedEntry();
    void selectedEntriesInListOrder();
    void sizeColumnIsASixthOfNameColumn();

private:
    void fill(int count);
    QPoint rowCentre(int position) const;

    RecordingHints m_hints;
    std::unique_ptr<SlideListModel> m_model;
    std::unique_ptr<QWidget> m_window;
    MainActions m_actions;
    SlideListView *m_view = nullptr;
    QLineEdit *m_other = nullptr;
};

void TestSlideListView::init()
{
    m_hints.text.clear();
    m_model = std::make_unique<SlideListModel>();
    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    m_view = new SlideListView(*m_model, m_hints);
    m_view->setPopUpActions(m_actions.slideListPopUp());
    m_other = new QLineEdit;
    layout->addWidget(m_view);
    layout->addWidget(m_other);
    m_window->resize(700, 400);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_other->setFocus();
}

void TestSlideListView::cleanup()
{
    m_window.reset();
    m_model.reset();
}

void TestSlideListView::fill(int count)
{
    for (int i = 1; i <= count; ++i)
        m_model->addEntry(entryPath(i), entryPath(i), QStringLiteral("         1"));
}

QPoint TestSlideListView::rowCentre(int position) const
{
    return m_view->visualRect(m_model->index(position - 1, 0)).center();
}

// Gaining the focus shows the count message; losing it empties the hint panel.
void TestSlideListView::focusShowsCountAndLeavingEmptiesIt()
{
    fill(1);
    m_view->setFocus();
    QTRY_COMPARE(m_hints.text, QStringLiteral("リストに 1枚の画像があります。"));
    m_other->setFocus();
    QTRY_VERIFY(m_hints.text.isEmpty());
}

// An empty list leaves the hint panel as it was when it gains the focus.
void TestSlideListView::focusOnEmptyListKeepsHint()
{
    m_hints.text = QStringLiteral("before");
    m_view->setFocus();
    QTRY_VERIFY(m_view->hasFocus());
    QCOMPARE(m_hints.text, QStringLiteral("before"));
}

// Up and Down preview the new current entry, except while Shift alone extends the selection.
void TestSlideListView::arrowReleasePreviews_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("previewed");
    QTest::newRow("down") << int(Qt::Key_Down) << Qt::KeyboardModifiers() << 3;
    QTest::newRow("up") << int(Qt::Key_Up) << Qt::KeyboardModifiers() << 1;
    QTest::newRow("shift alone extends without preview")
        << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0;
    QTest::newRow("shift with control still previews")
        << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier) << 3;
    QTest::newRow("other keys do not preview") << int(Qt::Key_End) << Qt::KeyboardModifiers() << 0;
}

void TestSlideListView::arrowReleasePreviews()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, previewed);
    fill(4);
    m_view->setFocus();
    m_view->setCurrentIndex(m_model->index(1, 0));
    QSignalSpy preview(m_view, &SlideListView::previewRequested);
    QTest::keyClick(m_view, Qt::Key(key), modifiers);
    QCOMPARE(preview.size(), previewed > 0 ? 1 : 0);
    if (previewed > 0)
        QCOMPARE(preview.at(0).at(0).toString(), entryPath(previewed));
}

// A left click previews the clicked entry; a Shift-click only extends the selection.
void TestSlideListView::leftReleasePreviewsUnlessShiftAlone()
{
    fill(3);
    QSignalSpy preview(m_view, &SlideListView::previewRequested);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, rowCentre(2));
    QCOMPARE(preview.size(), 1);
    QCOMPARE(preview.at(0).at(0).toString(), entryPath(2));
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(3));
    QCOMPARE(preview.size(), 1);
    QCOMPARE(m_view->selectedEntries(), (QStringList{entryPath(2), entryPath(3)}));
}

// The right button opens the pop-up over an entry only; its items are the file commands.
void TestSlideListView::popUpOnlyOverAnEntry()
{
    fill(2);
    auto *menu = m_view->findChild<QMenu *>(QStringLiteral("slideListPopUp"));
    QVERIFY(menu);
    const QPoint below(rowCentre(2).x(), m_view->viewport()->height() - 5);
    QVERIFY(!m_view->indexAt(below).isValid());
    QTest::mousePress(m_view->viewport(), Qt::RightButton, {}, below);
    QVERIFY(!menu->isVisible());

    QSignalSpy command(m_actions.deleteFiles(), &QAction::triggered);
    QTest::mousePress(m_view->viewport(), Qt::RightButton, {}, rowCentre(1));
    QTRY_VERIFY(menu->isVisible());
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("ﾌｧｲﾙの移動"));
    QCOMPARE(actions.at(1)->text(), QStringLiteral("ﾌｧｲﾙのｺﾋﾟｰ"));
    QCOMPARE(actions.at(2)->text(), QStringLiteral("ﾌｧｲﾙの削除"));
    actions.at(2)->trigger();
    menu->close();
    QCOMPARE(command.size(), 1);
}

// The menu key and Shift+F10 open the pop-up at the current entry, and only when it is selected.
void TestSlideListView::keyboardOpensPopUpAtSelectedEntry()
{
    fill(3);
    auto *menu = m_view->findChild<QMenu *>(QStringLiteral("slideListPopUp"));
    m_view->setFocus();
    m_view->setCurrentIndex(m_view->model()->index(1, 0));
    m_view->selectionModel()->clearSelection();
    QTest::keyClick(m_view, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(!menu->isVisible());

    m_view->setCurrentIndex(m_view->model()->index(1, 0));
    QVERIFY(m_view->selectionModel()->isSelected(m_view->currentIndex()));
    QTest::keyClick(m_view, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(menu->geometry().top() >= m_view->viewport()->mapToGlobal(rowCentre(2)).y());
    menu->close();

    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(0, 0),
                              m_view->viewport()->mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(m_view->viewport(), &menuKey);
    QTRY_VERIFY(menu->isVisible());
    menu->close();
}

// Selected entries come in list order, whatever order they were picked in.
void TestSlideListView::selectedEntriesInListOrder()
{
    fill(4);
    QCOMPARE(m_view->currentEntry(), 0);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, rowCentre(4));
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(1));
    QCOMPARE(m_view->selectedEntries(), (QStringList{entryPath(1), entryPath(4)}));
    QCOMPARE(m_view->currentEntry(), 1);
}

// The size column is about a sixth as wide as the name column.
void TestSlideListView::sizeColumnIsASixthOfNameColumn()
{
    const int name = m_view->header()->sectionSize(0);
    const int size = m_view->header()->sectionSize(1);
    QVERIFY(size > 0);
    QVERIFY(qAbs(name - 6 * size) <= 6);
}

QTEST_MAIN(TestSlideListView)
#include "tst_slidelistview.moc"
