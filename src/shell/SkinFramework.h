// The window skin: an optional Qt style sheet beside the program ("x/o.cjs"), loaded and
// applied to the main window. Its members keep the skin component's dispatch order: load
// the file, set the option bits, switch colours and metrics on, apply to a window.
#pragma once

#include <QString>

class QWidget;

namespace shell {

class SkinFramework {
 public:
  // Loads the skin file; throws std::runtime_error when it cannot be read.
  void LoadSkin(const QString& path, const QString& iniFileName);
  long Options() const { return options_; }
  void SetOptions(long options) { options_ = options; }
  void SetApplyColors(bool on) { applyColors_ = on; }
  void SetApplyMetrics(bool on) { applyMetrics_ = on; }
  // Applies the loaded skin to the window.
  void ApplyWindow(QWidget* window);

  const QString& styleSheet() const { return styleSheet_; }

 private:
  QString styleSheet_;
  long options_ = 0;
  bool applyColors_ = false;
  bool applyMetrics_ = false;
};

}  // namespace shell
