#include <QApplication>

#include <gtest/gtest.h>

namespace {

// Fonts and painters need an application object; gtest_main does not make one.
class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (!QApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
            static int argc = 1;
            static char name[] = "test_ui_barcode";
            static char *argv[] = {name, nullptr};
            app_ = new QApplication(argc, argv);
        }
    }
    void TearDown() override
    {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication *app_ = nullptr;
};

[[maybe_unused]] testing::Environment *const kGui = testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
