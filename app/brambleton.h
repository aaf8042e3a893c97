#pragma once
// The whole program: the context with its services, the backdrop window and the screen registry.
// main() builds one with the real services; tests build one per test with recording doubles.

#include <functional>
#include <memory>

#include "context.h"

namespace bt {

class Grey;
class Screens;

class Brambleton {
  public:
    Brambleton(ContentPaths paths, Sound& sound, Speech& speech, Dialogs& dialogs, PrinterFactory printer,
               std::function<void()> endProgram);
    ~Brambleton();
    Brambleton(const Brambleton&) = delete;
    Brambleton& operator=(const Brambleton&) = delete;

    // Shows the backdrop window with the title screen on it.
    void start();

    Context& context() { return context_; }
    Grey& grey() { return *grey_; }
    Screens& screens() { return *screens_; }

  private:
    Context context_;
    std::unique_ptr<Grey> grey_;
    std::unique_ptr<Screens> screens_;
};

}  // namespace bt
