#include "GeneratorRun.h"

#include <QRegularExpression>

#include "generator/Generator.h"

namespace generator_test {

std::vector<Failure> failures(const testing_support::ScriptedDialogs& dialogs) {
  static const QRegularExpression layout(QStringLiteral(
      "^(.*)\r\nin Corvessa2021/08/31\\.RideduvaZovezuzIvuzuzo\\.GenerateRideduvaZovezuzIvuzuzo "
      "at line (\\d+)\r\r"));
  // Messages of other guarded procedures (the page rendering the finish calls) are theirs.
  std::vector<Failure> found;
  for (const QString& text : dialogs.errorTexts()) {
    const auto m = layout.match(text);
    if (m.hasMatch()) found.push_back({m.captured(2).toLong(), m.captured(1)});
  }
  return found;
}

std::vector<Failure> failuresBeforeFinish(const testing_support::ScriptedDialogs& dialogs) {
  std::vector<Failure> found;
  for (const Failure& f : failures(dialogs))
    if (f.line < 1756) found.push_back(f);
  return found;
}

std::string describe(const std::vector<Failure>& found) {
  QStringList lines;
  for (const Failure& f : found)
    lines << QString::number(f.line) + QStringLiteral(": ") + f.description;
  return lines.join(QLatin1Char('\n')).toStdString();
}

std::unique_ptr<shell::Form1> mainWindowWith(const expected::Business& b) {
  auto form = std::make_unique<shell::Form1>(shell::Form1::Hooks{});
  form->txtBusinessName->setText(b.name);
  form->txtStreetAddress1->setText(b.street1);
  form->txtStreetAddress2->setText(b.street2);
  form->txtCity->setText(b.city);
  form->txtZipCode->setText(b.zip);
  form->txtTelephone->setText(b.telephone);
  form->txtFax->setText(b.fax);
  form->txtEmail->setText(b.email);
  return form;
}

RecordingRun::RecordingRun() {
  auto shared = state;
  word::registerFactory(QStringLiteral("Word.Application"),
                        [shared] { return recording::makeApplication(shared); });
}

void RecordingRun::run() { result = generator::GeneratePlan(shell::Form1::currentDetails()); }

}  // namespace generator_test
