#pragma once
// The parts that the profile windows share besides their project boxes and toolbars: the
// profile charts, the choice of the classification method and of the soil property, and the
// way back to the project form.
#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;
class QObject;
class QWidget;

namespace strelvan {

class Form;

namespace platform {
class ChartFX;
}

// A chart of the profile look, named for tests.
platform::ChartFX* ProfileChart(const char* name, QWidget* parent);

// The five classification methods as entries munSubCS1 .. munSubCS5 of a menu, with their
// captions and in the order of their codes 1 to 5; picking one calls choose with its code.
std::array<QAction*, 5> AddMethodEntries(QMenu* menu, QObject* receiver,
                                         std::function<void(int16_t)> choose);

// The soil properties offered as entries munSubSP1 .. munSubSP3 of a menu, with their
// captions and in the order of the menu; picking one calls choose with its property choice.
std::array<QAction*, 3> AddPropertyEntries(QMenu* menu, QObject* receiver,
                                           std::function<void(int16_t)> choose);

// Clears the window's instance and makes the project form visible again, as a profile
// window does when it is unloaded.
void ReturnToProjectForm(Form& window);

} // namespace strelvan
