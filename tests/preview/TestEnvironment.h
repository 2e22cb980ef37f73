// Helpers shared by the preview's tests and the end-to-end tests: driving the page list,
// and unloading the preview window between tests.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QTreeWidget>

#include "preview/Form2.h"
#include "support/ScopedEnv.h"

namespace preview_tests {

using testing_support::ScopedEnv;

// A click on a row of the page list, as the mouse makes it.
inline void clickItem(preview::Form2& form, int row) {
  QWidget* viewport = form.ListView1->viewport();
  form.ListView1->scrollToItem(form.ListView1->topLevelItem(row));
  const QPoint at = form.ListView1->visualItemRect(form.ListView1->topLevelItem(row)).center();
  QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &release);
}

// A key pressed and released on the target.
inline void pressKey(QWidget* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

// Closes the preview window, if loaded, and lets it be deleted.
inline void unloadForm2() {
  if (preview::Form2* form = preview::Form2::loaded()) form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace preview_tests
