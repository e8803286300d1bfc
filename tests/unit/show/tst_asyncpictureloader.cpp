// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/asyncpictureloader.h"

#include "core/show/picturefit.h"
#include "testpictures.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

class TstAsyncPictureLoader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void matchingRequestIsServedFromThePrefetch();
    void staleRequestsAreDropped_data();
    void staleRequestsAreDropped();
    void latestRequestWins();
    void samePictureForAnotherAreaStandsIn();

private:
    static LoadedPicture delivered(const QSignalSpy &spy, int index)
    {
        return spy.at(index).at(0).value<LoadedPicture>();
    }

    QString m_path;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstAsyncPictureLoader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("a.jpg"));
    QVERIFY(
        TestPictures::writeFile(m_path, TestPictures::jpeg(TestPictures::twoColours(200, 100))));
}

// The prefetched picture is handed out at once as it is: the file is not read again.
void TstAsyncPictureLoader::matchingRequestIsServedFromThePrefetch()
{
    AsyncPictureLoader loader(fitPicture);
    QSignalSpy loaded(&loader, &AsyncPictureLoader::loaded);
    loader.prefetch(m_path, QSize(100, 100));
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(QFile::remove(m_path));
    loader.request(m_path, QSize(100, 100));
    QCOMPARE(loaded.count(), 1);
    const LoadedPicture picture = delivered(loaded, 0);
    QCOMPARE(picture.error, PictureError::None);
    QCOMPARE(picture.rect, QRect(0, 25, 100, 50));
    QCOMPARE(picture.image.size(), QSize(100, 50));
    QVERIFY(loaded.at(0).at(1).toBool());
    // Taken once, it is gone: the next request reads the file, which is now missing.
    loader.request(m_path, QSize(100, 100));
    QTRY_COMPARE(loaded.count(), 2);
    QCOMPARE(delivered(loaded, 1).error, PictureError::NotFound);
}

void TstAsyncPictureLoader::staleRequestsAreDropped_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("another picture replaces it") << 0;
    QTest::newRow("a request for another size reads again") << 1;
    QTest::newRow("a request for another picture drops it") << 2;
}

// A prefetch that does not match the request is never handed out as the picture asked for.
void TstAsyncPictureLoader::staleRequestsAreDropped()
{
    QFETCH(int, change);
    AsyncPictureLoader loader(fitPicture);
    QSignalSpy loaded(&loader, &AsyncPictureLoader::loaded);
    loader.prefetch(m_path, QSize(100, 100));
    QSize asked(100, 100);
    const QString other = m_dir->filePath(QStringLiteral("other.jpg"));
    if (change == 0)
        loader.prefetch(other, asked);
    else if (change == 1)
        asked = QSize(60, 60);
    else
        loader.request(other, asked);
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(QFile::remove(m_path));
    loaded.clear();
    loader.request(m_path, asked);
    QTRY_VERIFY(!loader.isLoading());
    QCOMPARE(delivered(loaded, loaded.count() - 1).error, PictureError::NotFound);
    QVERIFY(loaded.constLast().at(1).toBool());
}

// Once a later request is made, the earlier one brings nothing more, whichever decode ends
// first. (The earlier one may have been delivered at once, when its decode was that quick.)
void TstAsyncPictureLoader::latestRequestWins()
{
    const QString other = m_dir->filePath(QStringLiteral("b.jpg"));
    QVERIFY(TestPictures::writeFile(other, TestPictures::jpeg(TestPictures::twoColours(40, 40))));
    AsyncPictureLoader loader(fitPicture);
    QSignalSpy loaded(&loader, &AsyncPictureLoader::loaded);
    loader.request(m_path, QSize(100, 100));
    loaded.clear();
    loader.request(other, QSize(100, 100));
    QTRY_VERIFY(!loader.isLoading());
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(delivered(loaded, 0).path, other);
}

// A picture decoded ahead for another area is shown in the meantime, then the right one.
void TstAsyncPictureLoader::samePictureForAnotherAreaStandsIn()
{
    AsyncPictureLoader loader(fitPicture);
    QSignalSpy loaded(&loader, &AsyncPictureLoader::loaded);
    loader.adopt(PendingPicture::start(m_path, QSize(100, 100), fitPicture));
    QThreadPool::globalInstance()->waitForDone();
    loader.request(m_path, QSize(60, 60));
    QCOMPARE(loaded.count(), 1);
    QVERIFY(!loaded.at(0).at(1).toBool());
    QCOMPARE(delivered(loaded, 0).image.size(), QSize(100, 50));
    QTRY_COMPARE(loaded.count(), 2);
    QVERIFY(loaded.at(1).at(1).toBool());
    QCOMPARE(delivered(loaded, 1).image.size(), QSize(60, 30));
}

QTEST_GUILESS_MAIN(TstAsyncPictureLoader)
#include "tst_asyncpictureloader.moc"
