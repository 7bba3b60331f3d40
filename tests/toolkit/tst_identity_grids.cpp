// System identity queries, and grid layouts kept in the settings.
#include "platform/SystemFacts.h"
#include "toolkit/vdlGridPos.h"
#include "toolkit/vdlReg.h"
#include "toolkit/vdlReg_identity.h"
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryFile>
#include <QTest>

using namespace vdl;

class TestIdentityGrids : public QObject {
    Q_OBJECT

    // A dialog "Form1" with one string grid "Grid" of three columns, 40 wide each.
    struct Form {
        QDialog dialog;
        QTableWidget* grid = new QTableWidget(2, 3, &dialog);
        Form()
        {
            dialog.setObjectName("Form1");
            grid->setObjectName("Grid");
            grid->horizontalHeader()->setMinimumSectionSize(1);
            grid->setGeometry(0, 0, 300, 100);
            for (int i = 0; i < 3; ++i)
                grid->setColumnWidth(i, 40);
        }
        QList<int> widths() const { return {grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2)}; }
    };

private slots:
    void address_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("ip");
        QTest::newRow("unresolved") << "" << "127.0.0.1";
        QTest::newRow("resolved") << "192.168.2.17" << "192.168.2.17";
    }
    void address()
    {
        FixedSystemFacts facts;
        QFETCH(QString, host);
        facts.HostIPv4 = host;
        QString ip = QStringLiteral("old");
        QCOMPARE(GetLocalIPAddress(ip), 0);
        QTEST(ip, "ip");
    }

    void fileVersion()
    {
        QString version = QStringLiteral("old");
        GetFileVersionText(QCoreApplication::applicationFilePath(), version);
        QCOMPARE(version, QStringLiteral("3.1.0.0"));
        QTemporaryFile text;
        QVERIFY(text.open());
        GetFileVersionText(text.fileName(), version);
        QCOMPARE(version, QString());
    }

    void fitColumn_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("minWidth");
        QTest::addColumn<int>("gridWidth");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("fills") << 1 << 0 << 200 << QList<int>{40, 118, 40};
        QTest::newRow("no column") << -1 << 0 << 200 << QList<int>{40, 40, 40};
        QTest::newRow("too narrow") << 1 << 0 << 60 << QList<int>{40, 40, 40};
        QTest::newRow("minimum") << 2 << 90 << 60 << QList<int>{40, 40, 90};
    }
    void fitColumn()
    {
        QFETCH(int, col);
        QFETCH(int, minWidth);
        QFETCH(int, gridWidth);
        Form form;
        form.grid->setFrameShape(QFrame::NoFrame);
        form.grid->verticalHeader()->hide();
        form.grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        form.grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        form.grid->resize(gridWidth, 100);
        form.dialog.show();
        FitGridColumn(form.grid, col, minWidth);
        QTEST(form.widths(), "widths");
    }

    void restoreAndSave_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("shorter list keeps the rest") << "55;x" << QList<int>{55, 40, 40};
        QTest::newRow("all stored") << "10;20;30" << QList<int>{10, 20, 30};
        QTest::newRow("nothing stored") << "" << QList<int>{40, 40, 40};
    }
    void restoreAndSave()
    {
        QFETCH(QString, stored);
        Form form;
        WriteSetting("%\\GridFix\\Form1", "Grid", stored, true, true);
        WriteSetting("%\\GridIDs\\Form1", "Grid", "0;1;2", true, true);
        RestoreAllGrids(&form.dialog, "99;99;99", 1);
        QTEST(form.widths(), "widths");
        SaveAllGrids(&form.dialog);
        QCOMPARE(ReadSettingEx("%\\GridFix\\Form1", "Grid", true), QStringLiteral("%1;%2;%3")
                     .arg(form.grid->columnWidth(0)).arg(form.grid->columnWidth(1)).arg(form.grid->columnWidth(2)));
        // Every column has its own position as id: no ids are kept.
        QCOMPARE(ReadSettingEx("%\\GridIDs\\Form1", "Grid", true), QString());
    }
};

QTEST_MAIN(TestIdentityGrids)
#include "tst_identity_grids.moc"
