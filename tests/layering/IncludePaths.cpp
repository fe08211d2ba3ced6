// Compiled with the program's include paths: they lead to the program's own folders and the
// runtime's public headers, never into the runtime's insides, where the passkey is made.
#if __has_include("Peers.h") || __has_include("runtime/peer/Peers.h") || __has_include("ModelState.h") || \
    __has_include("QtControlPeer.h")
#error "the program's include paths reach into the runtime"
#endif
#if !__has_include("guirt/Window.h") || !__has_include("window/Window1.h")
#error "the program's include paths miss its own headers or the runtime's public ones"
#endif
