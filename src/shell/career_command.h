#pragma once

namespace dvk {

class MainWindow;

// "Career Statistics...": opens the career window on this run's match archive.
void open_career_statistics(MainWindow& window);

} // namespace dvk
