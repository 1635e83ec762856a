// The game's entry point. Until the play field lands, the window says the game is not playable.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pavlemir");
  QApplication::setOrganizationName("Brelmand");

  QWidget window;
  window.setWindowTitle("Pavlemir");
  auto* layout = new QVBoxLayout(&window);
  auto* label = new QLabel("Pavlemir is not playable yet.", &window);
  label->setAlignment(Qt::AlignCenter);
  layout->addWidget(label);
  window.resize(480, 200);
  window.show();
  return QApplication::exec();
}
