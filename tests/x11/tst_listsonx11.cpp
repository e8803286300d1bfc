// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowonx11.h"
#include "xinput.h"

#include "core/browser/foldertreekeys.h"
#include "core/slidelist/slidelistmodel.h"
#include "ui/browser/foldertreeview.h"
#include "ui/mainwindow/previewpane.h"
#include "ui/slidelist/slidelistview.h"

#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QUrl>

// Takes the pictures the program hands to the desktop to open.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

// The slide list and the folder tree under the keys and buttons of a real X server.
class TstListsOnX11 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void heldArrowPreviewsOnRelease();
    void onlyTheLeftDoubleClickOpens_data();
    void onlyTheLeftDoubleClickOpens();
    void treeHintStaysWhilePopUpIsOpen_data();
    void treeHintStaysWhilePopUpIsOpen();

private:
    SlideListView *slideList() const
    {
        return m_f->find<SlideListView>(QStringLiteral("slideList"));
    }
    void addPhotos(int count);
    QPoint entryCentre(int row) const
    {
        return slideList()->visualRect(slideList()->model()->index(row, 0)).center();
    }

    QTemporaryDir m_photos;
    QString m_photo;
    std::unique_ptr<MainWindowFixture> m_f;
    std::unique_ptr<XInput::InputLog> m_input;
};

// A photo of 24 megapixels, as a current camera takes it.
void TstListsOnX11::initTestCase()
{
    QImage photo(6000, 4000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        std::fill_n(reinterpret_cast<QRgb *>(photo.scanLine(y)), photo.width(),
                    qRgb(y % 256, 90, 160));
    m_photo = m_photos.filePath(QStringLiteral("photo.jpg"));
    QVERIFY(photo.save(m_photo, "JPEG", 80));
}

void TstListsOnX11::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    m_input = std::make_unique<XInput::InputLog>();
    QVERIFY(openFramed(*m_f));
}

void TstListsOnX11::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    m_input.reset();
    m_f.reset();
}

void TstListsOnX11::addPhotos(int count)
{
    auto &model = *static_cast<SlideListModel *>(slideList()->model());
    for (int i = 1; i <= count; ++i) {
        const QString path = m_f->home.filePath(QStringLiteral("photo%1.jpg").arg(i));
        QVERIFY(QFile::copy(m_photo, path));
        QVERIFY(model.addEntry(path, QStringLiteral("jpg"), QStringLiteral("1")));
    }
}

// Holding the Down arrow walks the list without decoding a picture at each step; the
// preview follows when the key comes up. (Qt tells an auto-repeated release by the press that
// follows it; on a busy machine that press may come late and the release counts as real.)
void TstListsOnX11::heldArrowPreviewsOnRelease()
{
    addPhotos(12);
    SlideListView *list = slideList();
    QVERIFY(XInput::click(list->viewport(), entryCentre(0)));
    auto *preview = m_f->find<PreviewPane>(QStringLiteral("previewPane"));
    QTRY_VERIFY_WITH_TIMEOUT(!preview->tag().isEmpty(), X11Wait::Timeout);
    QSignalSpy previews(list, &SlideListView::previewRequested);
    m_input->entries.clear();

    QVERIFY(XInput::keyDown(QStringLiteral("Down")));
    QTRY_VERIFY_WITH_TIMEOUT(m_input->autoRepeats(Qt::Key_Down) >= 3, X11Wait::Timeout);
    QVERIFY(XInput::keyUp(QStringLiteral("Down")));
    // Shift alone does nothing in the list; its release comes after all of the arrow's events.
    QVERIFY(XInput::key(QStringLiteral("shift")));
    QTRY_VERIFY_WITH_TIMEOUT(m_input->released(Qt::Key_Shift), X11Wait::Timeout);
    QCoreApplication::processEvents();
    QCOMPARE(int(previews.count()), m_input->releases(Qt::Key_Down));
    QVERIFY(list->currentEntry() >= 4);
    const auto &model = *static_cast<SlideListModel *>(list->model());
    // The preview decodes on a worker: its tag follows when the picture has arrived.
    QTRY_COMPARE_WITH_TIMEOUT(preview->tag(), model.entryAt(list->currentEntry()).path,
                              X11Wait::Timeout);
}

void TstListsOnX11::onlyTheLeftDoubleClickOpens_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("belowEntries");
    QTest::addColumn<int>("opened");
    QTest::newRow("left double click opens the picture") << 1 << false << 1;
    QTest::newRow("right double click on an entry opens nothing") << 3 << false << 0;
    QTest::newRow("right double click below the entries opens nothing") << 3 << true << 0;
}

// Only the left button opens the current entry's picture with the desktop's program. Below
// the entries the right button opens no pop-up that could take the second click.
void TstListsOnX11::onlyTheLeftDoubleClickOpens()
{
    QFETCH(int, button);
    QFETCH(bool, belowEntries);
    QFETCH(int, opened);
    addPhotos(2);
    slideList()->setCurrentIndex(slideList()->model()->index(1, 0));
    OpenedUrls desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    const QPoint at = belowEntries ? entryCentre(1) + QPoint(0, 60) : entryCentre(1);
    QVERIFY(XInput::click(slideList()->viewport(), at, button, 2));
    const auto released = Qt::MouseButton(button == 1 ? Qt::LeftButton : Qt::RightButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_input->buttonReleases(released), 2, X11Wait::Timeout);
    QCoreApplication::processEvents();
    if (QWidget *popUp = QApplication::activePopupWidget())
        popUp->close();
    QCOMPARE(desktop.urls.size(), opened);
    if (opened) {
        const QString second = m_f->home.filePath(QStringLiteral("photo2.jpg"));
        QCOMPARE(desktop.urls.constFirst(), QUrl::fromLocalFile(second));
    }
}

void TstListsOnX11::treeHintStaysWhilePopUpIsOpen_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("right click on the folder") << "mouse";
    QTest::newRow("menu key") << "Menu";
}

// The pop-up menu does not take the folder's path out of the hint panel.
void TstListsOnX11::treeHintStaysWhilePopUpIsOpen()
{
    QFETCH(QString, how);
    auto *tree = m_f->find<FolderTreeView>(QStringLiteral("folderTree"));
    tree->setFocus(Qt::OtherFocusReason);
    QTreeWidgetItem *node = tree->currentItem();
    QVERIFY(node);
    const QString path = FolderKeys::keyPath(FolderTreeView::keyOf(node));
    QTRY_COMPARE_WITH_TIMEOUT(m_f->hint(), path, X11Wait::Timeout);
    QString hintWhileOpen = QStringLiteral("(no pop-up)");
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [this, &hintWhileOpen] {
        auto *popUp = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (popUp && popUp->objectName() == QLatin1String("folderTreePopUp")) {
            hintWhileOpen = m_f->hint();
            popUp->close();
        }
    });
    watch.start(20);
    if (how == QLatin1String("mouse"))
        QVERIFY(XInput::click(tree->viewport(), tree->visualItemRect(node).center(), 3));
    else
        QVERIFY(XInput::key(how));
    QTRY_VERIFY_WITH_TIMEOUT(hintWhileOpen != QLatin1String("(no pop-up)"), X11Wait::Timeout);
    QCOMPARE(hintWhileOpen, path);
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), tree, X11Wait::Timeout);
    QCOMPARE(m_f->hint(), path);
}

QTEST_MAIN(TstListsOnX11)
#include "tst_listsonx11.moc"
