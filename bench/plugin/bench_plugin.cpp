// The QTXR72 form's road through the plug-in (GetController, CreateForm with the in-process
// server and the work-center, show, free), against creating and showing a plain Qt window
// with the same number of widgets and destroying it (the floor).

#include "BenchMedians.h"
#include "DLLBaseCtrller.h"
#include "DemoInstallation.h"

#include "ClassRegistry.h"
#include "Component.h"
#include "Messages.h"
#include "ModalHook.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <dlfcn.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

GetControllerFunction getController = nullptr;
QStringList formWidgetKinds; // the nearest Qt class of every widget of the form

QString nearestQtClass(const QObject *object)
{
    for (const QMetaObject *m = object->metaObject(); m; m = m->superClass())
        if (QByteArray(m->className()).startsWith('Q'))
            return QString::fromLatin1(m->className());
    return "QWidget";
}

// A plain Qt widget of the named class, owned by parent.
QWidget *plainWidget(const QString &kind, QWidget *parent)
{
    if (kind == "QTreeWidget") return new QTreeWidget(parent);
    if (kind == "QTabWidget") return new QTabWidget(parent);
    if (kind == "QLineEdit") return new QLineEdit(parent);
    if (kind == "QPushButton") return new QPushButton(QStringLiteral("确定"), parent);
    if (kind == "QToolButton") return new QToolButton(parent);
    if (kind == "QLabel") return new QLabel(QStringLiteral("条件方案"), parent);
    if (kind == "QFrame") return new QFrame(parent);
    if (kind == "QToolBar") return new QToolBar(parent);
    if (kind == "QSplitter") return new QSplitter(parent);
    return new QWidget(parent);
}

ktr::Variant hostParameters()
{
    return ktr::Variant::array({"796", "QaTest60", "QaTest60", std::int32_t(0), "bench"});
}

// One opening of the form as the host does it; survey, when given, receives the shown form.
bool openFormOnce(const ktr::ObjectRef &workCenter, const std::function<void(QWidget *)> &survey = {})
{
    std::unique_ptr<TDLLBaseController> controller(getController());
    controller->HostObject = ktr::Variant(workCenter.get());
    if (controller->CreateForm(hostParameters()) != 0)
        return false;
    controller->SetVisible(1);
    if (survey)
        survey(QWidget::find(static_cast<WId>(controller->GetHandle())));
    QCoreApplication::processEvents();
    controller->FreeForm();
    ktr::platform::ProcessMessages();
    return true;
}

// The form's own controls, by the Qt class each is built on; the inner widgets of Qt's
// classes come with the floor's. Opening the form once also readies what every later
// opening of a running client finds ready.
bool surveyForm()
{
    const ktr::ObjectRef workCenter = ktr::createOleObject("HarrowWorkCenter.Manager");
    return openFormOnce(workCenter, [](QWidget *form) {
        if (!form)
            return;
        for (QWidget *w : form->findChildren<QWidget *>())
            if (ktr::platform::componentOf(w))
                formWidgetKinds << nearestQtClass(w);
    });
}

void openPluginForm(benchmark::State &state)
{
    const ktr::ObjectRef workCenter = ktr::createOleObject("HarrowWorkCenter.Manager");
    for (auto _ : state) {
        if (!openFormOnce(workCenter)) {
            state.SkipWithError("CreateForm failed");
            break;
        }
    }
    state.counters["widgets"] = double(formWidgetKinds.size());
}

// The floor: a plain window with as many widgets, each of the Qt class the form's widget
// is built on (a tree widget for the list view, a tab widget for the page control, ...).
void openPlainWindow(benchmark::State &state)
{
    const int widgets = int(formWidgetKinds.size());
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        window->resize(574, 404);
        for (int i = 0; i < widgets; ++i) {
            QWidget *w = plainWidget(formWidgetKinds.at(i), window.get());
            w->setGeometry((i % 6) * 90, (i / 6) * 24, 85, 21);
        }
        window->show();
        QCoreApplication::processEvents();
        window.reset();
        QCoreApplication::processEvents();
    }
    state.counters["widgets"] = widgets;
}

// Repetitions of the two, interleaved at random (see main), so that a change of the
// machine's load falls on both sides alike.
BENCHMARK(openPluginForm)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(9);
BENCHMARK(openPlainWindow)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(9);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DemoInstallation demo;
    if (!demo.ok())
        return 1;
    ktr::platform::ModalHookScope answerOk([](const ktr::platform::ModalRequest &) { return std::optional<int>(1); });
    void *library = dlopen(KTR_BIN_DIR "/QTXR72C.so", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return 1;
    getController = reinterpret_cast<GetControllerFunction>(dlsym(library, "GetController"));
    if (!getController || !surveyForm() || formWidgetKinds.isEmpty())
        return 1;
    ktr::bench::initializeInterleaved(argc, argv);
    ktr::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const ktr::bench::Median plugin = reporter.median("openPluginForm");
    const ktr::bench::Median floor = reporter.median("openPlainWindow");
    if (plugin.real > 0 && floor.real > 0)
        std::printf("\nMedians, wall-clock (CPU) ms: plug-in form %.3f (%.3f), plain window %.3f (%.3f);"
                    " ratio %.2f (CPU %.2f; target: at most 2)\n",
                    plugin.real, plugin.cpu, floor.real, floor.cpu, plugin.real / floor.real,
                    plugin.cpu / floor.cpu);
    benchmark::Shutdown();
    return 0;
}
