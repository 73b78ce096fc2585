// How the program presents itself to the desktop: the version and application id it was
// built with, the window icon (the drawing installed for the desktop, at every icon size)
// and the caption's version.

#include "app/Version.h"
#include "app/ui/VortalinApplication.h"
#include "tests/gui/GuiTestSupport.h"

#include <QIcon>
#include <QImage>

using vortalin::test::Windows;

class DesktopIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void applicationNamesItsVersionAndDesktopEntry();
    void windowIconIsDrawnAtEveryIconSize_data();
    void windowIconIsDrawnAtEveryIconSize();
    void mainWindowShowsTheIconAndTheReleaseInItsCaption();
};

void DesktopIdentityTest::applicationNamesItsVersionAndDesktopEntry() {
    QCOMPARE(QGuiApplication::applicationVersion(), QLatin1String(vortalin::kVersion));
    QCOMPARE(QGuiApplication::desktopFileName(), QLatin1String(vortalin::kApplicationId));
    QVERIFY(QString::fromLatin1(vortalin::kApplicationId).count(QLatin1Char('.')) >= 2);
}

void DesktopIdentityTest::windowIconIsDrawnAtEveryIconSize_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QTest::addRow("%dx%d", size, size) << size;
    }
}

// The icon is not blank: its corner is transparent and its middle is painted.
void DesktopIdentityTest::windowIconIsDrawnAtEveryIconSize() {
    QFETCH(int, size);
    const QIcon icon = QGuiApplication::windowIcon();
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(size, size).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(image.pixelColor(size / 2, size / 2).alpha(), 255);
}

void DesktopIdentityTest::mainWindowShowsTheIconAndTheReleaseInItsCaption() {
    const Windows windows;
    QVERIFY(!windows.form1.windowIcon().isNull());
    // The caption names the release without its patch number.
    const QString version = QLatin1String(vortalin::kVersion);
    QCOMPARE(windows.form1.windowTitle(),
             QStringLiteral("Vortalin ") + version.left(version.lastIndexOf(QLatin1Char('.'))));
}

VORTALIN_GUI_TEST_MAIN(DesktopIdentityTest)
#include "DesktopIdentityTest.moc"
