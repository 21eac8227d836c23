#pragma once

struct Program;

// Connects the display, the timer, the engine's messages, the transport and song-list controls, the
// mouse-over texts and the context menu of the main window to their operations.
namespace TransportWiring {

void wire(Program &program);

}  // namespace TransportWiring
