#pragma once

// The road from process start to the event loop, in the order the entry runs it.
void _Main();
void _Startup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _MakeDefaultView();

// End of run: the program's module-level state, released in its fixed order.
void releaseModuleState();
