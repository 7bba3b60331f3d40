// Window-frame icons are the program's own drawings, sharp at single and double density, and
// come without loading a single image plugin; other icons are still the style's.
#include "platform/Application.h"
#include "platform/FrameIcons.h"
#include "tests/support/ImagePlugins.h"
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTest>
#include <memory>

namespace {
QImage shown(const QIcon& icon, int pixels)
{
    return icon.pixmap(QSize(pixels, pixels)).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestStyleIcons : public QObject {
    Q_OBJECT
private slots:
    // First: nothing else in this program may have read a picture before.
    void framesLoadNoImagePlugin()
    {
        QMainWindow frame;
        auto* area = new QMdiArea(&frame);
        frame.setCentralWidget(area);
        frame.menuBar()->addMenu(QStringLiteral("&Datei"));
        QMdiSubWindow* inner = area->addSubWindow(new QWidget);
        inner->setWindowTitle(QStringLiteral("Rechner1"));
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.grab();
        inner->systemMenu()->grab();
        QCOMPARE(vdl::test::loadedImagePlugins(), QStringList());
    }

    void frameIcons_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("mirror"); // the glyph stands centred: its axes of symmetry
        QTest::newRow("window menu") << int(QStyle::SP_TitleBarMenuButton) << "x";
        QTest::newRow("minimise") << int(QStyle::SP_TitleBarMinButton) << "x";
        QTest::newRow("maximise") << int(QStyle::SP_TitleBarMaxButton) << "x";
        QTest::newRow("close") << int(QStyle::SP_TitleBarCloseButton) << "xy";
        QTest::newRow("restore") << int(QStyle::SP_TitleBarNormalButton) << "";
        QTest::newRow("shade") << int(QStyle::SP_TitleBarShadeButton) << "x";
        QTest::newRow("unshade") << int(QStyle::SP_TitleBarUnshadeButton) << "x";
        QTest::newRow("help") << int(QStyle::SP_TitleBarContextHelpButton) << "";
        QTest::newRow("menu bar extension") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << "y";
        QTest::newRow("tool bar extension") << int(QStyle::SP_ToolBarVerticalExtensionButton) << "x";
    }
    void frameIcons()
    {
        QFETCH(int, icon);
        QFETCH(QString, mirror);
        const auto sp = QStyle::StandardPixmap(icon);
        QStyle* style = QApplication::style();
        for (int pixels : {16, 32}) {
            const QImage picture = shown(style->standardIcon(sp), pixels);
            QCOMPARE(picture.size(), QSize(pixels, pixels));
            QCOMPARE(picture, shown(vdl::FrameIcon(sp), pixels));
            int inked = 0, asymmetric = 0;
            for (int y = 0; y < pixels; ++y) {
                for (int x = 0; x < pixels; ++x) {
                    const QRgb at = picture.pixel(x, y);
                    inked += qAlpha(at) > 0;
                    for (QChar axis : mirror) {
                        const QRgb across = axis == u'x' ? picture.pixel(pixels - 1 - x, y) : picture.pixel(x, pixels - 1 - y);
                        asymmetric += qAbs(qAlpha(at) - qAlpha(across)) > 16 || qAbs(qGray(at) - qGray(across)) > 16;
                    }
                }
            }
            QVERIFY(inked >= pixels * pixels / 32);
            QCOMPARE(asymmetric, 0);
        }
        QCOMPARE(style->standardPixmap(sp, nullptr).toImage().convertToFormat(QImage::Format_ARGB32), shown(vdl::FrameIcon(sp), 16));
    }

    void otherIcons_data()
    {
        QTest::addColumn<int>("icon");
        QTest::newRow("yes button") << int(QStyle::SP_DialogYesButton);
        QTest::newRow("no button") << int(QStyle::SP_DialogNoButton);
        QTest::newRow("message warning") << int(QStyle::SP_MessageBoxWarning);
    }
    void otherIcons()
    {
        QFETCH(int, icon);
        const auto sp = QStyle::StandardPixmap(icon);
        const std::unique_ptr<QStyle> plain(
            QStyleFactory::create(static_cast<QProxyStyle*>(QApplication::style())->baseStyle()->name()));
        QVERIFY(plain);
        QVERIFY(vdl::FrameIcon(sp).isNull());
        QCOMPARE(QApplication::style()->standardIcon(sp).pixmap(32).toImage(), plain->standardIcon(sp).pixmap(32).toImage());
    }
};

// The style under test is the one the application object installs.
int main(int argc, char** argv)
{
    vdl::Application app(argc, argv);
    TestStyleIcons test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_styleicons.moc"
