// The model of the windows on its own, as a layout file and the rename dialog use it: names
// and numbers, links by name, automatic transfer, refused links, and the walk along links.
#include "calculator/WindowModel.h"
#include <QSignalSpy>
#include <QTest>

using namespace vdl;

namespace {

// Every window as "Name>Memory A (choices)"; A: automatic transfer on.
QString describe(const WindowModel& model)
{
    QStringList windows;
    for (const WindowEntry& w : model.entries()) {
        QString line = w.name;
        if (w.memory)
            line += QLatin1Char('>') + model.find(w.memory)->name;
        if (w.autoTransfer)
            line += QStringLiteral(" A");
        QStringList choices;
        for (int n : w.choices)
            choices << model.find(n)->name;
        windows << line + QStringLiteral(" (") + choices.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    return windows.join(QLatin1String(" | "));
}

// Blank-separated steps: "+R" / "+S" / "+S=Name" new window, "1>2" window 1 links to 2
// ("1>0" unlinks), "Kasse>Rechner1" links by names, "x2" removes, "r2=Kasse" renames,
// "A1" / "a1" automatic transfer on / off. Steps the model refuses are returned.
QStringList act(WindowModel& model, const QString& script)
{
    QStringList refused;
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString rest = step.mid(1);
        bool done = true;
        if (step.startsWith(QLatin1Char('+')))
            model.add(step[1] == QLatin1Char('R') ? QStringLiteral("Rechner") : QStringLiteral("Speicher"),
                      step.section(QLatin1Char('='), 1));
        else if (step.startsWith(QLatin1Char('x')))
            done = model.remove(rest.toInt());
        else if (step.startsWith(QLatin1Char('r')))
            done = model.rename(rest.section(QLatin1Char('='), 0, 0).toInt(), step.section(QLatin1Char('='), 1));
        else if (step.startsWith(QLatin1Char('A')) || step.startsWith(QLatin1Char('a')))
            done = model.setAutoTransfer(rest.toInt(), step[0] == QLatin1Char('A'));
        else if (step[0].isDigit())
            done = model.link(step.section(QLatin1Char('>'), 0, 0).toInt(), step.section(QLatin1Char('>'), 1).toInt());
        else
            done = model.linkByName(step.section(QLatin1Char('>'), 0, 0), step.section(QLatin1Char('>'), 1));
        if (!done)
            refused << step;
    }
    return refused;
}

} // namespace

class TestWindowModel : public QObject {
    Q_OBJECT

private slots:
    void changes_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("numbers are never reused") << "+R +S x2 +S"
            << "Rechner1 (Speicher3) | Speicher3 (Rechner1)" << QStringList();
        QTest::newRow("memory links onward with transfer") << "+R +S +R 1>2 2>3"
            << "Rechner1>Speicher2 (Speicher2,Rechner3) | Speicher2>Rechner3 A (Rechner3) | Rechner3 (Rechner1)"
            << QStringList();
        QTest::newRow("no link back to one's own calculator") << "+R +S 1>2 2>1"
            << "Rechner1>Speicher2 (Speicher2) | Speicher2 ()" << QStringList{"2>1"};
        QTest::newRow("no link to oneself or to no window") << "+R +S 1>1 1>7 x7"
            << "Rechner1 (Speicher2) | Speicher2 (Rechner1)" << QStringList{"1>1", "1>7", "x7"};
        QTest::newRow("transfer only while linked") << "+R +R A1 1>2 A1 A1 1>0 a1"
            << "Rechner1 (Rechner2) | Rechner2 (Rechner1)" << QStringList{"A1", "A1", "a1"};
        QTest::newRow("closing the memory ends the transfer") << "+R +S 1>2 A1 x2"
            << "Rechner1 ()" << QStringList();
        QTest::newRow("links by name, the first of a name") << "+R +S=Kasse +S=Kasse Kasse>Rechner1 Rechner1>Kasse"
            << "Rechner1 (Kasse) | Kasse>Rechner1 A (Rechner1,Kasse) | Kasse (Rechner1,Kasse)"
            << QStringList{"Rechner1>Kasse"};
        QTest::newRow("links by name to a missing window") << "+R +S Rechner1>Kasse Kasse>Rechner1"
            << "Rechner1 (Speicher2) | Speicher2 (Rechner1)" << QStringList{"Rechner1>Kasse", "Kasse>Rechner1"};
        QTest::newRow("renamed in every list, links kept") << "+R +S +R 1>2 r2=Kasse 3>2"
            << "Rechner1>Kasse (Kasse,Rechner3) | Kasse () | Rechner3>Kasse (Rechner1,Kasse)"
            << QStringList();
        QTest::newRow("every window of the name renamed") << "+R +S=Kasse +S=Kasse 1>3 r2=Bank"
            << "Rechner1>Bank (Bank,Bank) | Bank (Rechner1,Bank) | Bank (Bank)" << QStringList();
        QTest::newRow("empty and taken names refused") << "+R +S +S=Kasse r1= r1=Speicher2 r3=Speicher2 r1=Rechner1"
            << "Rechner1 (Speicher2,Kasse) | Speicher2 (Rechner1,Kasse) | Kasse (Rechner1,Speicher2)"
            << QStringList{"r1=", "r1=Speicher2", "r3=Speicher2"};
        QTest::newRow("blanks around a name are no part of it") << "+R +S=Kasse r1=Kasse\t r1=\tKasse r1=\t r1=\tBank\t"
            << "Bank (Kasse) | Kasse (Bank)" << QStringList{"r1=Kasse\t", "r1=\tKasse", "r1=\t"};
        QTest::newRow("a new window passes over a name in use") << "+R r1=Speicher2 +S r2=Kasse +R=Rechner4 +R"
            << "Speicher2 (Kasse,Rechner4,Rechner5) | Kasse (Speicher2,Rechner4,Rechner5)"
               " | Rechner4 (Speicher2,Kasse,Rechner5) | Rechner5 (Speicher2,Kasse,Rechner4)" << QStringList();
        QTest::newRow("renamed, linked by its new name") << "+R +S r2=Kasse Rechner1>Kasse Rechner1>Speicher2"
            << "Rechner1>Kasse (Kasse) | Kasse ()" << QStringList{"Rechner1>Speicher2"};
    }
    void changes()
    {
        QFETCH(QString, script);
        WindowModel model;
        QTEST(act(model, script), "refused");
        QTEST(describe(model), "windows");
    }

    // One signal after each change that took place, none after a refused one.
    void oneSignalPerChange()
    {
        WindowModel model;
        QSignalSpy changed(&model, &WindowModel::changed);
        act(model, QStringLiteral("+R +S 1>2 2>1 A1 A1 r2=Kasse r2=Kasse x5 x2"));
        QCOMPARE(changed.count(), 6);
        // In batches, nested or not: one signal at the end of the outermost, none without a
        // change; the windows are then as after the same steps one by one.
        changed.clear();
        {
            WindowModel::Batch outer(model);
            act(model, QStringLiteral("+S +R"));
            {
                WindowModel::Batch inner(model);
                act(model, QStringLiteral("3>4 A3 r4=Kasse x1"));
            }
            QVERIFY(!model.link(4, 1)); // a window closed in the batch is no choice any more
            QCOMPARE(changed.count(), 0);
        }
        QCOMPARE(changed.count(), 1);
        QCOMPARE(describe(model), QStringLiteral("Speicher3>Kasse A (Kasse) | Kasse ()"));
        WindowModel::Batch(model).end();
        act(model, QStringLiteral("x9"));
        QCOMPARE(changed.count(), 1);
    }

    // Whether window number choosing memory closes a circle.
    void circles_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("memory");
        QTest::addColumn<bool>("circle");
        const QString four = QStringLiteral("+R +S +S +S ");
        QTest::newRow("closing three") << four + "1>2 2>3" << 3 << 1 << true;
        QTest::newRow("closing four") << four + "1>2 2>3 3>4" << 4 << 1 << true;
        QTest::newRow("inside the chain") << four + "1>2 2>3 3>4" << 4 << 2 << true;
        QTest::newRow("down the chain") << four + "1>2 2>3" << 1 << 3 << false;
        QTest::newRow("two into one") << four + "1>3 2>3" << 2 << 1 << false;
        QTest::newRow("no memory") << four + "1>2" << 2 << 0 << false;
        QTest::newRow("oneself") << four << 2 << 2 << true;
    }
    void circles()
    {
        QFETCH(QString, script);
        QFETCH(int, number);
        QFETCH(int, memory);
        WindowModel model;
        act(model, script);
        QTEST(model.closesCircle(number, memory), "circle");
    }

    void walk_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("passed");
        QTest::addColumn<int>("stopAt"); // visit answers false there
        QTest::addColumn<QList<int>>("visited");
        const QString four = QStringLiteral("+R +S +S +S ");
        QTest::newRow("chain") << four + "1>2 2>3 3>4" << 1 << QList<int>() << 0 << QList<int>{2, 3, 4};
        QTest::newRow("cycle ends at the first repeat") << four + "1>2 2>3 3>4 4>2" << 1 << QList<int>() << 0
                                                        << QList<int>{2, 3, 4};
        QTest::newRow("cycle back to the start") << four + "1>2 2>3 3>1" << 1 << QList<int>() << 0 << QList<int>{2, 3};
        QTest::newRow("passed counts as visited") << four + "1>2 2>3 3>4" << 1 << QList<int>{3} << 0 << QList<int>{2};
        QTest::newRow("stopped by the visit") << four + "1>2 2>3 3>4" << 1 << QList<int>() << 3 << QList<int>{2, 3};
        QTest::newRow("no link") << four << 1 << QList<int>() << 0 << QList<int>();
        QTest::newRow("no such window") << four + "1>2" << 9 << QList<int>() << 0 << QList<int>();
    }
    void walk()
    {
        QFETCH(QString, script);
        QFETCH(int, start);
        QFETCH(QList<int>, passed);
        QFETCH(int, stopAt);
        WindowModel model;
        act(model, script);
        QList<int> visited;
        model.walk(start, [&](int n) {
            visited << n;
            return n != stopAt;
        }, QSet<int>(passed.begin(), passed.end()));
        QTEST(visited, "visited");
    }
};

QTEST_MAIN(TestWindowModel)
#include "tst_windowmodel.moc"
