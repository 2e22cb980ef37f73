// A fresh built-in Word instance with one new document, for the engine's tests.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTextDocument>

#include "engine/Inspection.h"
#include "engine/WordEngine.h"
#include "generator/WritingPrimitives.h"
#include "word/ObjectRegistry.h"
#include "word/WordObjects.h"

namespace engine_testing {

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine::registerWordEngine();
    app = word::CreateObject(QStringLiteral("Word.Application"));
    doc = app->Documents()->Add();
    sel = doc->ActiveWindow()->Selection();
  }
  void TearDown() override {
    if (app) {
      try {
        app->Quit();
      } catch (const word::AutomationError&) {
        // already quit by the test
      }
    }
  }

  engine::DocumentInfo info() const { return engine::inspect(doc); }
  // Text typed by the generator's own writing primitive.
  void typeFormatted(const QString& text, int breaks, bool bold, int size, int alignment) {
    generator::TypeFormatted(doc, text, static_cast<short>(breaks), bold, static_cast<short>(size),
                             alignment);
  }

  word::Ref<word::Application> app;
  word::Ref<word::Document> doc;
  word::Ref<word::Selection> sel;
  word::RegistrySnapshot registry;
};

// A picture rendered into an image of the page's size (in points, scaled), white behind.
inline QImage render(const QPicture& picture, double scale = 1.0) {
  const QRect box = picture.boundingRect();
  QImage image(qRound(box.width() * scale), qRound(box.height() * scale),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(scale, scale);
  painter.translate(-box.topLeft());
  painter.drawPicture(0, 0, picture);
  painter.end();
  return image;
}

// Counts pixels darker than mid-grey in a rectangle of the image.
inline int darkPixels(const QImage& image, const QRect& area) {
  int n = 0;
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ++n;
  return n;
}

}  // namespace engine_testing
