#pragma once
// The main window is drawn on a fixed pixel grid. Its text controls measure font points at the grid's
// own 96 dots per inch, whatever text resolution the desktop asks for (QT_FONT_DPI, a text scaling
// setting): nine points stay twelve pixels and no caption outgrows its control. A screen scale factor
// enlarges the grid and its text together and needs nothing here.
#include <QPaintDevice>

constexpr int kDesignDpi = 96;

template <class Control>
class OnDesignGrid : public Control {
  public:
    using Control::Control;

  protected:
    int metric(QPaintDevice::PaintDeviceMetric m) const override {
        if (m == QPaintDevice::PdmDpiX || m == QPaintDevice::PdmDpiY) return kDesignDpi;
        return Control::metric(m);
    }
};
