// The one way failures are reported: the "Application Error" message naming the failure,
// the procedure and the statement number, after which the procedure carries on with its
// next statement.
//
// A guarded procedure holds a `Guard` with its location text and runs each numbered
// statement through it:
//
//   Guard g(kLocation);
//   g.step(104, [&] { ... });                       // reported as line 104 if it throws
//   if (g.test(106, [&] { return ...; })) { ... }   // a failing test enters the body
#pragma once

#include <QString>
#include <exception>
#include <utility>

namespace base {

inline const char* const kSupportAddress = "support@halvenor.example";

// The message text, byte for byte: description, CR LF, location, "at line ", number,
// CR, CR, the request to send a screenshot.
QString errorMessageText(const QString& description, long lineNumber, const QString& location);

// Shows the message (caption "Application Error", warning icon, OK) and returns after OK.
void Report(const QString& description, long lineNumber, const QString& location);

// The description of whatever was thrown.
QString describeCurrentException();

class Guard {
 public:
  explicit Guard(QString location) : location_(std::move(location)) {}

  const QString& location() const { return location_; }
  // The number of the statement most recently entered.
  long line() const { return line_; }

  // Runs one numbered statement; a failure is reported and the procedure goes on.
  // Returns false when the statement failed.
  template <class F>
  bool step(long number, F&& statement) {
    line_ = number;
    try {
      std::forward<F>(statement)();
      return true;
    } catch (const std::exception&) {
      Report(describeCurrentException(), line_, location_);
      return false;
    }
  }

  // The test of a conditional: a test that fails is reported and counts as true, so the
  // conditional's body runs.
  template <class F>
  bool test(long number, F&& condition) {
    line_ = number;
    try {
      return static_cast<bool>(std::forward<F>(condition)());
    } catch (const std::exception&) {
      Report(describeCurrentException(), line_, location_);
      return true;
    }
  }

 private:
  QString location_;
  long line_ = 0;
};

// The location texts of the guarded procedures.
namespace location {
inline const char* const kForm1Load = "in Corvessa2021/08/31.Form1.Form_Load ";
inline const char* const kForm1QueryUnload = "in Corvessa2021/08/31.Form1.Form_QueryUnload ";
inline const char* const kForm1Start = "in Corvessa2021/08/31.Form1.PushButton1_Click ";
inline const char* const kForm1Clear = "in Corvessa2021/08/31.Form1.PushButton2_Click ";
inline const char* const kForm1Sample = "in Corvessa2021/08/31.Form1.PushButton3_Click ";
inline const char* const kGenerate =
    "in Corvessa2021/08/31.RideduvaZovezuzIvuzuzo.GenerateRideduvaZovezuzIvuzuzo ";
inline const char* const kSaveDocAsJpg =
    "in Corvessa2021/08/31.RideduvaZovezuzIvuzuzo.SaveDocAsJPG ";
inline const char* const kForm2Activate = "in Corvessa2021/08/31.Form2.Form_Activate ";
inline const char* const kForm2Load = "in Corvessa2021/08/31.Form2.Form_Load ";
inline const char* const kForm2ZoomIn = "in Corvessa2021/08/31.Form2.PushButton1_Click ";
inline const char* const kForm2ZoomOut = "in Corvessa2021/08/31.Form2.PushButton2_Click ";
inline const char* const kForm2Redraw = "in Corvessa2021/08/31.Form2.RedrawImage ";
inline const char* const kForm2MouseDown = "in Corvessa2021/08/31.Form2.picture1_MouseDown ";
inline const char* const kForm2MouseMove = "in Corvessa2021/08/31.Form2.picture1_MouseMove ";
inline const char* const kForm2MouseUp = "in Corvessa2021/08/31.Form2.Picture1_MouseUp ";
inline const char* const kForm2QueryUnload = "in Corvessa2021/08/31.Form2.Form_QueryUnload ";
inline const char* const kForm2Save = "in Corvessa2021/08/31.Form2.PushButton6_Click ";
inline const char* const kForm2Back = "in Corvessa2021/08/31.Form2.PushButton8_Click ";
}  // namespace location

}  // namespace base
