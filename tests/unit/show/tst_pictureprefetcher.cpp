// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/pictureprefetcher.h"

#include "testpictures.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

class TstPicturePrefetcher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void matchingRequestIsServedFromThePrefetch();
    void staleRequestsAreDropped_data();
    void staleRequestsAreDropped();

private:
    QString m_path;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstPicturePrefetcher::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("a.jpg"));
    QVERIFY(
        TestPictures::writeFile(m_path, TestPictures::jpeg(TestPictures::twoColours(200, 100))));
}

// The prefetched picture is used as it is: the file is not read again.
void TstPicturePrefetcher::matchingRequestIsServedFromThePrefetch()
{
    PicturePrefetcher prefetcher;
    prefetcher.prefetch(m_path, QSize(100, 100));
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(QFile::remove(m_path));
    const FittedPicture picture = prefetcher.take(m_path, QSize(100, 100));
    QCOMPARE(picture.error, PictureError::None);
    QCOMPARE(picture.rect, QRect(0, 25, 100, 50));
    QCOMPARE(picture.image.size(), QSize(100, 50));
    // Taken once, it is gone: the next request reads the file, which is now missing.
    QCOMPARE(prefetcher.take(m_path, QSize(100, 100)).error, PictureError::NotFound);
}

void TstPicturePrefetcher::staleRequestsAreDropped_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("another picture replaces it") << 0;
    QTest::newRow("a request for another size reads again") << 1;
    QTest::newRow("discarded") << 2;
}

// A prefetch that does not match the request is never handed out.
void TstPicturePrefetcher::staleRequestsAreDropped()
{
    QFETCH(int, change);
    PicturePrefetcher prefetcher;
    prefetcher.prefetch(m_path, QSize(100, 100));
    QSize asked(100, 100);
    if (change == 0)
        prefetcher.prefetch(m_dir->filePath(QStringLiteral("other.jpg")), asked);
    else if (change == 1)
        asked = QSize(60, 60);
    else
        prefetcher.discard();
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(QFile::remove(m_path));
    QCOMPARE(prefetcher.take(m_path, asked).error, PictureError::NotFound);
}

QTEST_GUILESS_MAIN(TstPicturePrefetcher)
#include "tst_pictureprefetcher.moc"
