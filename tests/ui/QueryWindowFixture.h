#pragma once

// What the query window tests start from: the sample company (QuerySample.h) in a fresh
// database, scripted boxes and a recording file opener; and the helpers they read the result
// grid with. A test class derives from it and calls setUp() and tearDown() from its init() and
// cleanup() slots.

#include "QuerySample.h"
#include "TestApp.h"

#include "base/AppEnv.h"
#include "base/MessageService.h"
#include "queries/ui/ResultView.h"

#include <QtTest>

#include <memory>

class QueryWindowFixture
{
protected:
    // `shotWidth`: the width the windows are shown at for the screenshots.
    explicit QueryWindowFixture(int shotWidth = 980) : m_shotWidth(shotWidth) {}

    void setUp()
    {
        app = std::make_unique<TestApp>();
        AddQuerySample(app->db());
        messages.clear();
        opener.opened.clear();
    }
    void tearDown() { app.reset(); }

    static QString cell(const ResultView *view, int row, int column)
    {
        return view->model()->index(row, column).data().toString();
    }
    static QStringList rowTexts(const ResultView *view, int row)
    {
        QStringList texts;
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            texts << cell(view, row, c);
        }
        return texts;
    }
    // The column headed `name`; -1 when there is none.
    static int columnOf(const ResultView *view, const char *name)
    {
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            if (view->model()->headerData(c, Qt::Horizontal).toString() == QLatin1String(name)) {
                return c;
            }
        }
        return -1;
    }

    // With CORVANE_SCREENSHOTS=DIR set, saves the window as DIR/<name>.png.
    void shoot(QWidget &w, const char *name) const
    {
        if (qEnvironmentVariableIsSet("CORVANE_SCREENSHOTS")) {
            w.resize(m_shotWidth, 420);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.grab().save(qEnvironmentVariable("CORVANE_SCREENSHOTS") + u'/' +
                          QString::fromUtf8(name) + QStringLiteral(".png"));
        }
    }

    std::unique_ptr<TestApp> app;
    ScriptedMessageService messages;
    RecordingFileOpener opener;

private:
    int m_shotWidth;
};
