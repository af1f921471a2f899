// The QTXR72 form's road through the plug-in (GetController, CreateForm with the in-process
// server and the work-center, show, free), against creating and showing a plain Qt window
// with the same number of widgets and destroying it (the floor).

#include "DLLBaseCtrller.h"
#include "DemoInstallation.h"

#include "ClassRegistry.h"
#include "Messages.h"
#include "ModalHook.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <dlfcn.h>

#include <memory>

namespace {

GetControllerFunction getController = nullptr;
int formWidgetCount = 0;

ktr::Variant hostParameters()
{
    return ktr::Variant::array({"796", "QaTest60", "QaTest60", std::int32_t(0), "bench"});
}

void openPluginForm(benchmark::State &state)
{
    ktr::ObjectRef workCenter = ktr::createOleObject("HarrowWorkCenter.Manager");
    for (auto _ : state) {
        std::unique_ptr<TDLLBaseController> controller(getController());
        controller->HostObject = ktr::Variant(workCenter.get());
        if (controller->CreateForm(hostParameters()) != 0) {
            state.SkipWithError("CreateForm failed");
            break;
        }
        controller->SetVisible(1);
        QWidget *form = QWidget::find(static_cast<WId>(controller->GetHandle()));
        formWidgetCount = form ? int(form->findChildren<QWidget *>().size()) : 0;
        QCoreApplication::processEvents();
        controller->FreeForm();
        ktr::platform::ProcessMessages();
    }
    state.counters["widgets"] = formWidgetCount;
}

void openPlainWindow(benchmark::State &state)
{
    const int widgets = formWidgetCount > 0 ? formWidgetCount : 60;
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        window->resize(574, 404);
        for (int i = 0; i < widgets; ++i) {
            auto *label = new QLabel(QStringLiteral("条件 %1").arg(i), window.get()); // owned by window
            label->setGeometry((i % 6) * 90, (i / 6) * 24, 85, 21);
        }
        window->show();
        QCoreApplication::processEvents();
        window.reset();
        QCoreApplication::processEvents();
    }
    state.counters["widgets"] = widgets;
}

// The plug-in runs first so the floor knows how many widgets the form has.
BENCHMARK(openPluginForm)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(openPlainWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
