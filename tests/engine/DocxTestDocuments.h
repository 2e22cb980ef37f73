// Documents for the .docx tests, built straight on the document model, and a comparison
// of two models that names every difference it finds.
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "engine/DocumentModel.h"

class QTextTable;

namespace docx_test {

using Run = std::pair<engine::RunValues, QString>;

// Appends paragraphs and tables to a model the way the reader does.
class ModelBuilder {
 public:
  explicit ModelBuilder(engine::DocumentModel& model);
  void paragraph(const engine::ParagraphValues& values, const std::vector<Run>& runs,
                 const engine::RunValues& mark = engine::DocumentModel::normalRun());
  // A rows x columns table whose cell (r, c) holds `text(r, c)`; merges and shading are
  // applied after with the returned table.
  QTextTable* table(const engine::TableValues& values, int rows, int columns,
                    const std::function<QString(int, int)>& text,
                    const engine::RunValues& run = engine::DocumentModel::normalRun());

 private:
  engine::DocumentModel& model_;
  bool reuseBlock_ = true;
};

engine::RunValues run(bool bold, double size, const QString& font = QStringLiteral("Garamond"));
// Body text as the plan uses it: Garamond at 1.3 lines.
engine::ParagraphValues planParagraph(int alignment = 0);

// The two list templates of the plan, level 1 defined as the generator defines it.
engine::ListTemplateDefinition bulletTemplate(const QString& name, const QString& bullet,
                                              const QString& font);

// A document with headings, tabs, both list templates on two levels, a 15x7 shaded table,
// a 4x2 table with a vertical merge, and three sections.
engine::DocumentModel samplePlan();

// Every difference between the two models, as readable lines; empty when equal.
QStringList differences(const engine::DocumentModel& expected, const engine::DocumentModel& actual);

// A fresh path inside the test run's private folder.
QString scratchPath(const QString& name);

}  // namespace docx_test
