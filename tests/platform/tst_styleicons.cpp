// Window-frame icons come out of the application's style looking exactly as the plain style
// draws them, also when asked for again by later windows.
#include "platform/Application.h"
#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTest>
#include <memory>

class TestStyleIcons : public QObject {
    Q_OBJECT
private slots:
    void looksLikePlainStyle_data()
    {
        QTest::addColumn<int>("icon");
        QTest::newRow("window menu") << int(QStyle::SP_TitleBarMenuButton);
        QTest::newRow("minimise") << int(QStyle::SP_TitleBarMinButton);
        QTest::newRow("maximise") << int(QStyle::SP_TitleBarMaxButton);
        QTest::newRow("close") << int(QStyle::SP_TitleBarCloseButton);
        QTest::newRow("restore") << int(QStyle::SP_TitleBarNormalButton);
        QTest::newRow("menu bar extension") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
        QTest::newRow("yes button") << int(QStyle::SP_DialogYesButton);
        QTest::newRow("no button") << int(QStyle::SP_DialogNoButton);
        QTest::newRow("apply button") << int(QStyle::SP_DialogApplyButton);
    }
    void looksLikePlainStyle()
    {
        QFETCH(int, icon);
        const auto sp = QStyle::StandardPixmap(icon);
        QStyle* style = QApplication::style();
        const std::unique_ptr<QStyle> plain(
            QStyleFactory::create(static_cast<QProxyStyle*>(style)->baseStyle()->name()));
        QVERIFY(plain);
        for (int round = 0; round < 2; ++round) { // the second round gets what later windows get
            for (int size : {16, 13, 24, 16, 32}) {
                for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                    QCOMPARE(style->standardIcon(sp).pixmap(size, mode).toImage(),
                             plain->standardIcon(sp).pixmap(size, mode).toImage());
                }
            }
            QCOMPARE(style->standardPixmap(sp, nullptr).toImage(), plain->standardPixmap(sp, nullptr).toImage());
        }
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
