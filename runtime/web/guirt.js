// The page's side of the web backend: the DOM calls the C++ peers make, by element handle,
// and the events of the page reported back through the exported guirt_web_event. The
// menubar is in menubar.js, the help shown without a mouse in help.js.
mergeInto(LibraryManager.library, {
  $Guirt__deps: ['$GuirtHelp'],
  $Guirt: {
    nodes: [null],
    spare: [],
    // The kinds of event guirt_web_event reports (WebDom.h).
    INPUT: 1, KEY_DOWN: 2, KEY_UP: 3, CHANGE: 4, FOCUS_IN: 5, FOCUS_OUT: 6, CLICK: 7,
    MENU_OPENING: 8, MENU_CLOSED: 9, MENU_CHOSEN: 10, TYPING: 11, INCOMING: 12, PASTED: 13, SHORTCUT: 14,
    ACTIVATED: 15,
    // The page event being reported, and whether the runtime refused it.
    event: null,
    refused: false,
    // The key being offered to the runtime as a shortcut, and whether the command it chose is
    // the browser's to carry out as that key's own (a paste needs the key's clipboard).
    shortcutKey: null,
    nativeCommand: false,

    store: function(node) {
      var handle = Guirt.spare.length ? Guirt.spare.pop() : Guirt.nodes.length;
      Guirt.nodes[handle] = node;
      return handle;
    },
    node: function(handle) {
      return Guirt.nodes[handle];
    },
    text: function(pointer) {
      return pointer ? UTF8ToString(pointer) : '';
    },
    // Reports an event of the element with the handle to the runtime, to the listener the
    // element keeps (guirt_web_report_to); false when the runtime refused it
    // (guirt_web_refuse_event), which cancels `event`, the page's own, if given.
    report: function(handle, kind, detail, text, event) {
      var node = Guirt.node(handle);
      if (!node || !node.guirtListener) return true;
      var top = stackSave();
      Guirt.event = event || null;
      Guirt.refused = false;
      try {
        Module['_guirt_web_event'](node.guirtListener, kind, detail, allocateUTF8OnStack(text || ''));
      } finally {
        Guirt.event = null;
        stackRestore(top);
      }
      return !Guirt.refused;
    },
    // The units of the field's text that an edit in place of its selection keeps.
    kept: function(node) {
      return node.value.length - ((node.selectionEnd || 0) - (node.selectionStart || 0));
    },
    keyFlags: function(event) {
      return (event.repeat ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0) | (event.metaKey ? 8 : 0) |
          (event.shiftKey ? 16 : 0);
    },
    // How windows, controls and menus look, before any page style: a light window on
    // which a program's colours were chosen.
    STYLE: [
      '.guirt-window{position:relative;display:inline-flex;flex-direction:column;border:1px solid #7a7a7a;',
      'background:#efefef;color:#000;box-shadow:0 2px 8px rgba(0,0,0,.35);',
      'font:12px "DejaVu Sans",Verdana,system-ui,sans-serif}',
      '.guirt-title{display:flex;align-items:center;height:24px;padding:0 2px 0 8px;background:#d8dce6;',
      'font-weight:bold;user-select:none}',
      '.guirt-title span{flex:1;overflow:hidden;white-space:nowrap;text-overflow:ellipsis}',
      '.guirt-title button{border:0;background:transparent;font:16px sans-serif;width:24px;height:22px;cursor:pointer}',
      '.guirt-title button:hover{background:#c42b1c;color:#fff}',
      '[role=menubar]{display:flex;height:21px;background:#efefef;border-bottom:1px solid #cfcfcf;user-select:none}',
      '.guirt-menu{position:relative}',
      '.guirt-menu>[role=menuitem]{padding:3px 8px;cursor:default;outline:0}',
      '.guirt-menu>[role=menuitem]:focus,.guirt-menu>[aria-expanded=true]{background:#cce0f5}',
      // The keyboard's place in the menus shows as the fields' does, not by a pale background alone:
      // a menu's items take the focus from the keyboard only, the bar's from a click too.
      '.guirt-menu>[role=menuitem]:focus-visible,[role=menu] [role=menuitem]:focus{outline:2px solid #2a6fdb;',
      'outline-offset:-2px}',
      '[role=menu]{position:absolute;top:100%;left:0;min-width:190px;background:#fff;border:1px solid #8c8c8c;',
      'box-shadow:2px 2px 4px rgba(0,0,0,.3);z-index:10;padding:2px 0}',
      '[role=menu] [role=menuitem]{display:flex;justify-content:space-between;padding:3px 10px 3px 22px;',
      'cursor:default;outline:0}',
      '[role=menu] [role=menuitem]:focus,[role=menu] [role=menuitem]:hover{background:#cce0f5}',
      '[role=menu] [aria-disabled=true]{color:#8c8c8c}',
      '.guirt-shortcut{margin-left:24px}',
      '.guirt-heading{padding:3px 10px;color:#555}',
      '[role=separator]{border-top:1px solid #d0d0d0;margin:3px 0}',
      '.guirt-content{position:relative;overflow:hidden}',
      '.guirt-content>*{position:absolute;box-sizing:border-box;margin:0}',
      '.guirt-content label{display:flex;align-items:center;overflow:hidden;white-space:nowrap}',
      '.guirt-content input{font:inherit;padding:0 3px;border:1px solid #858585;border-radius:0}',
      '.guirt-content select{font:inherit}',
      '.guirt-content input:focus,.guirt-content select:focus{outline:2px solid #2a6fdb;outline-offset:-2px}',
      '.guirt-notice{margin:8px 0;padding:8px;font:14px "DejaVu Sans",Verdana,sans-serif}',
      '.guirt-error{color:#a00;white-space:pre-wrap}',
      '.guirt-help{position:absolute;z-index:20;padding:4px 6px;background:#fff;border:1px solid #767676;',
      'box-shadow:2px 2px 4px rgba(0,0,0,.3);white-space:pre-line}',
      '.guirt-help:empty{display:none}',
      // Menus a finger can hit.
      '@media (pointer:coarse){[role=menubar]{height:auto}.guirt-menu>[role=menuitem]{padding:5px 8px}',
      '[role=menu] [role=menuitem]{padding-top:6px;padding-bottom:6px}}',
    ].join(''),
    // The page's area the program's windows go in, and where its end is said.
    desktop: function() {
      var desktop = document.getElementById('dravello');
      if (!desktop) {
        desktop = document.createElement('div');
        desktop.id = 'dravello';
        document.body.appendChild(desktop);
      }
      if (!Guirt.styled) {
        Guirt.styled = true;
        var style = document.createElement('style');
        style.textContent = Guirt.STYLE;
        document.head.insertBefore(style, document.head.firstChild);
        window.addEventListener('resize', Guirt.fit);
        matchMedia('(pointer: coarse)').addEventListener('change', Guirt.fit);
        GuirtHelp(desktop);
      }
      return desktop;
    },
    // On a touch screen a window grows to the width the page gives it, as a desktop's window
    // grows with its display's scale: its fonts and boxes laid out larger (CSS zoom), up to
    // twice their size. Where a mouse points it keeps its size.
    fit: function() {
      var desktop = Guirt.desktop();
      var windows = desktop.querySelectorAll('.guirt-window');
      windows.forEach(function(shown) { shown.style.zoom = ''; });
      // Where a mouse points nothing is laid out to learn the room.
      if (!matchMedia('(pointer: coarse)').matches) return;
      var style = getComputedStyle(desktop);
      var room = desktop.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
      windows.forEach(function(shown) {
        var scale = shown.offsetWidth ? Math.min(2, room / shown.offsetWidth) : 1;
        if (scale > 1) shown.style.zoom = String(scale);
      });
    },
    // A notice in the page, above the windows: the end of the program, or an error.
    notice: function(className, text) {
      var notice = document.createElement('div');
      notice.className = 'guirt-notice ' + className;
      notice.setAttribute('role', className === 'guirt-error' ? 'alert' : 'status');
      notice.textContent = text;
      Guirt.desktop().appendChild(notice);
      return notice;
    },
    // How wide the text is in the node's font at the size in pixels (one canvas measures all).
    // A text measured in a CSS font (one canvas measures all); nothing of the page's style
    // is asked, so no measuring makes the browser work its style out again.
    measured: function(font, text) {
      Guirt.measure = Guirt.measure || document.createElement('canvas').getContext('2d');
      if (Guirt.measure.font !== font) Guirt.measure.font = font;
      return Guirt.measure.measureText(text);
    },
    // The font of an element as CSS gives it, at a size: what measures a text as it shows.
    fontOf: function(node, pixels) {
      var style = getComputedStyle(node);
      return style.fontStyle + ' ' + style.fontWeight + ' ' + pixels + 'px ' + style.fontFamily;
    },
    // Where in a field's text a drop at the page's x falls: the place between two characters
    // nearest to it, measured in the field's font. The field's own sizes are before its window's
    // zoom, the page's x after it.
    offsetAt: function(node, x) {
      var style = getComputedStyle(node);
      x = (x - node.getBoundingClientRect().left) / (node.currentCSSZoom || 1);
      var from = node.clientLeft + parseFloat(style.paddingLeft) - node.scrollLeft;
      Guirt.measure = Guirt.measure || document.createElement('canvas').getContext('2d');
      Guirt.measure.font = style.font;
      var width = function(end) { return Guirt.measure.measureText(node.value.slice(0, end)).width; };
      var low = 0, high = node.value.length;
      while (low < high) {
        var middle = (low + high + 1) >> 1;
        if (from + (width(middle - 1) + width(middle)) / 2 <= x) {
          low = middle;
        } else {
          high = middle - 1;
        }
      }
      return low;
    },
  },

  guirt_web_create__deps: ['$Guirt'],
  guirt_web_create: function(tag, parent) {
    var node = document.createElement(Guirt.text(tag));
    var desktop = Guirt.desktop();
    (parent ? Guirt.node(parent) : desktop).appendChild(node);
    // The page says which keyboard a touch screen offers for its program's fields.
    if (node.tagName === 'INPUT' && desktop.dataset.guirtInputmode) node.inputMode = desktop.dataset.guirtInputmode;
    return Guirt.store(node);
  },

  guirt_web_fit__deps: ['$Guirt'],
  guirt_web_fit: function() {
    Guirt.fit();
  },

  guirt_web_destroy__deps: ['$Guirt'],
  guirt_web_destroy: function(handle) {
    var node = Guirt.node(handle);
    if (!node) return;
    // Its runtime side is going: nothing reports to it, not even a blur its removal brings.
    node.guirtListener = 0;
    node.remove();
    Guirt.nodes[handle] = null;
    Guirt.spare.push(handle);
  },

  guirt_web_append__deps: ['$Guirt'],
  guirt_web_append: function(parent, child) {
    var node = Guirt.node(child);
    var focused = document.activeElement;
    Guirt.node(parent).appendChild(node);
    // Moving an element takes the focus from it: it keeps it.
    if (focused && focused !== document.activeElement && node.contains(focused)) focused.focus();
  },

  guirt_web_set_attribute__deps: ['$Guirt'],
  guirt_web_set_attribute: function(handle, name, value) {
    var node = Guirt.node(handle);
    if (value) {
      node.setAttribute(Guirt.text(name), Guirt.text(value));
    } else {
      node.removeAttribute(Guirt.text(name));
    }
  },

  guirt_web_set_style__deps: ['$Guirt'],
  guirt_web_set_style: function(handle, property, value) {
    var style = Guirt.node(handle).style;
    if (value) {
      style.setProperty(Guirt.text(property), Guirt.text(value));
    } else {
      style.removeProperty(Guirt.text(property));
    }
  },

  guirt_web_set_flag__deps: ['$Guirt'],
  guirt_web_set_flag: function(handle, property, on) {
    Guirt.node(handle)[Guirt.text(property)] = !!on;
  },

  guirt_web_set_text__deps: ['$Guirt'],
  guirt_web_set_text: function(handle, text) {
    Guirt.node(handle).textContent = Guirt.text(text);
  },

  guirt_web_set_value__deps: ['$Guirt'],
  guirt_web_set_value: function(handle, text) {
    var node = Guirt.node(handle);
    node.value = Guirt.text(text);
    // The browser forgets what there was to undo when a page sets the text.
    node.guirtEdits = 0;
  },

  guirt_web_value__deps: ['$Guirt'],
  guirt_web_value: function(handle) {
    var value = Guirt.node(handle).value;
    var size = lengthBytesUTF8(value) + 1;
    var copy = _malloc(size);
    stringToUTF8(value, copy, size);
    return copy;
  },

  guirt_web_listen__deps: ['$Guirt'],
  guirt_web_listen: function(handle) {
    var node = Guirt.node(handle);
    node.guirtEdits = 0;
    node.addEventListener('input', function(event) {
      if (event.inputType === 'historyUndo') {
        node.guirtEdits = Math.max(0, node.guirtEdits - 1);
      } else {
        node.guirtEdits++;
      }
      Guirt.report(handle, Guirt.INPUT, 0, '');
    });
    // Text about to come in. A paste or a drop is refused, or taken with its line breaks as
    // spaces, as the browser itself takes them into a field of one line; the runtime says
    // which. Anything else inserted is typed.
    node.addEventListener('paste', function(event) {
      Guirt.report(handle, Guirt.INCOMING, Guirt.kept(node), event.clipboardData.getData('text/plain'), event);
    });
    // A drop goes in where it falls, as the runtime takes it (the browser's own way with its
    // line breaks is not a paste's).
    node.addEventListener('drop', function(event) {
      var offered = event.dataTransfer.getData('text/plain');
      event.preventDefault();
      var at = Guirt.offsetAt(node, event.clientX);
      Guirt.dropAt = function() {
        node.focus();
        node.setSelectionRange(at, at);
      };
      try {
        if (!Guirt.report(handle, Guirt.PASTED, node.value.length, offered)) event.dataTransfer.dropEffect = 'none';
      } finally {
        Guirt.dropAt = null;
      }
    });
    node.addEventListener('beforeinput', function(event) {
      if (Guirt.inserting || !event.inputType.startsWith('insert') || event.inputType === 'insertFromPaste' ||
          event.inputType === 'insertFromDrop') {
        return;
      }
      Guirt.report(handle, Guirt.TYPING, Guirt.kept(node), event.data || '', event);
    });
    node.addEventListener('keydown', function(event) {
      Guirt.report(handle, Guirt.KEY_DOWN, Guirt.keyFlags(event), event.key);
    });
    node.addEventListener('keyup', function(event) {
      Guirt.report(handle, Guirt.KEY_UP, Guirt.keyFlags(event), event.key);
    });
    node.addEventListener('change', function() {
      Guirt.report(handle, Guirt.CHANGE, node.selectedIndex === undefined ? 0 : node.selectedIndex, '');
    });
    node.addEventListener('focus', function() {
      Guirt.report(handle, Guirt.FOCUS_IN, 0, '');
    });
    node.addEventListener('blur', function() {
      Guirt.report(handle, Guirt.FOCUS_OUT, 0, '');
    });
    node.addEventListener('click', function() {
      Guirt.report(handle, Guirt.CLICK, 0, '');
    });
  },

  // The listener of the runtime that the element's events go to from now on.
  guirt_web_report_to__deps: ['$Guirt'],
  guirt_web_report_to: function(handle, listener) {
    Guirt.node(handle).guirtListener = listener;
  },

  guirt_web_refuse_event__deps: ['$Guirt'],
  guirt_web_refuse_event: function() {
    Guirt.refused = true;
    if (Guirt.event) Guirt.event.preventDefault();
  },

  // The page's error sound: a short, quiet tone, where the browser can play one.
  guirt_web_beep__deps: ['$Guirt'],
  guirt_web_beep: function() {
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    var audio = Guirt.audio || (Guirt.audio = new Context());
    var tone = audio.createOscillator();
    var volume = audio.createGain();
    tone.frequency.value = 880;
    volume.gain.value = 0.1;
    tone.connect(volume).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.08);
  },

  guirt_web_focus__deps: ['$Guirt'],
  guirt_web_focus: function(handle) {
    Guirt.node(handle).focus();
  },

  // The selection as UTF-16 positions, the text's length, and whether there is an edit to
  // undo, written to the four ints at facts.
  guirt_web_facts__deps: ['$Guirt'],
  guirt_web_facts: function(handle, facts) {
    var node = Guirt.node(handle);
    HEAP32[facts >> 2] = node.selectionStart || 0;
    HEAP32[(facts >> 2) + 1] = node.selectionEnd || 0;
    HEAP32[(facts >> 2) + 2] = node.value.length;
    HEAP32[(facts >> 2) + 3] = node.guirtEdits > 0 ? 1 : 0;
  },

  guirt_web_select__deps: ['$Guirt'],
  guirt_web_select: function(handle, start, end) {
    var node = Guirt.node(handle);
    node.setSelectionRange(start, end);
  },

  // The whole text, the cursor at its start and the start in view.
  guirt_web_select_all_from_start__deps: ['$Guirt'],
  guirt_web_select_all_from_start: function(handle) {
    var node = Guirt.node(handle);
    node.setSelectionRange(0, node.value.length, 'backward');
    node.scrollLeft = 0;
  },

  // An editing command on a text field, with the browser's own undo, selection and
  // clipboard; the field has the focus while it acts. A paste waits for the clipboard.
  guirt_web_command__deps: ['$Guirt'],
  guirt_web_command: function(handle, command) {
    var node = Guirt.node(handle);
    var name = Guirt.text(command);
    // Chosen by its key, a command on the clipboard is the key's own: the browser carries it
    // out with the clipboard the key lends it.
    if (Guirt.shortcutKey && (name === 'paste' || name === 'copy' || name === 'cut')) {
      Guirt.nativeCommand = true;
      return;
    }
    node.focus();
    if (name === 'selectAll') {
      node.select();
    } else if (name === 'paste') {
      navigator.clipboard.readText().then(function(text) {
        if (!Guirt.node(handle)) return;
        node.focus();
        // The runtime inserts what it takes (guirt_web_insert).
        Guirt.report(handle, Guirt.PASTED, Guirt.kept(node), text);
      }, function() {});
    } else {
      document.execCommand(name);
    }
  },

  // Inserts the text in place of the field's selection, as typing it would (undoable).
  guirt_web_insert__deps: ['$Guirt'],
  guirt_web_insert: function(handle, text) {
    Guirt.inserting = true;
    try {
      Guirt.node(handle).focus();
      if (Guirt.dropAt) Guirt.dropAt();
      document.execCommand('insertText', false, Guirt.text(text));
    } finally {
      Guirt.inserting = false;
    }
  },

  // The decimal separator of the numbers of the browser's language, as Intl writes them.
  guirt_web_decimal_separator: function() {
    var parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
    var decimal = parts.find(function(part) { return part.type === 'decimal'; });
    var separator = decimal ? decimal.value : '.';
    var size = lengthBytesUTF8(separator) + 1;
    var copy = _malloc(size);
    stringToUTF8(separator, copy, size);
    return copy;
  },

  guirt_web_clipboard: function() {
    return !!(navigator.clipboard && navigator.clipboard.readText);
  },

  guirt_web_add_option__deps: ['$Guirt'],
  guirt_web_add_option: function(handle, text) {
    var select = Guirt.node(handle);
    var selected = select.selectedIndex;
    select.add(new Option(Guirt.text(text)));
    select.selectedIndex = selected;
  },

  guirt_web_option_count__deps: ['$Guirt'],
  guirt_web_option_count: function(handle) {
    return Guirt.node(handle).options.length;
  },

  guirt_web_set_selected__deps: ['$Guirt'],
  guirt_web_set_selected: function(handle, index) {
    Guirt.node(handle).selectedIndex = index;
  },

  guirt_web_text_width__deps: ['$Guirt'],
  guirt_web_text_width: function(font, text) {
    return Guirt.measured(Guirt.text(font), Guirt.text(text)).width;
  },

  // The element's font as CSS gives it, with "{}" where its size goes: asked once per font.
  guirt_web_font__deps: ['$Guirt'],
  guirt_web_font: function(handle) {
    var font = Guirt.fontOf(Guirt.node(handle), '{}').replace('{}px', '{}');
    var size = lengthBytesUTF8(font) + 1;
    var copy = _malloc(size);
    stringToUTF8(font, copy, size);
    return copy;
  },

  // How tall a line of text is in the node's font at the size, and the room a box of the height
  // leaves it inside the node's border and padding, in CSS pixels: asked of the style, as the
  // node may not be laid out yet (its window still hidden).
  guirt_web_line_height__deps: ['$Guirt'],
  guirt_web_line_height: function(handle, pixels) {
    var metrics = Guirt.measured(Guirt.fontOf(Guirt.node(handle), pixels), 'Mg');
    return metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
  },

  guirt_web_line_room__deps: ['$Guirt'],
  guirt_web_line_room: function(handle, height) {
    var style = getComputedStyle(Guirt.node(handle));
    return height - parseFloat(style.borderTopWidth) - parseFloat(style.borderBottomWidth) -
        parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
  },

  // The width a field of the width gives its text, inside its border and padding, in CSS
  // pixels: worked out from the field's own width, as its window may not show yet.
  guirt_web_text_room__deps: ['$Guirt'],
  guirt_web_text_room: function(handle, width) {
    var style = getComputedStyle(Guirt.node(handle));
    return width - parseFloat(style.borderLeftWidth) - parseFloat(style.borderRightWidth) -
        parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  },

  guirt_web_inherited_pixels__deps: ['$Guirt'],
  guirt_web_inherited_pixels: function(handle) {
    return Math.round(parseFloat(getComputedStyle(Guirt.node(handle).parentNode).fontSize));
  },

  guirt_web_set_title__deps: ['$Guirt'],
  guirt_web_set_title: function(text) {
    document.title = Guirt.text(text);
  },

  // The loop of a page ends between events, never inside one: once the event that asked for
  // it has returned.
  guirt_web_end_loop: function() {
    setTimeout(function() {
      Module['_guirt_web_loop_ended']();
    }, 0);
  },

  guirt_web_ended__deps: ['$Guirt'],
  guirt_web_ended: function(program, status) {
    var ended = Guirt.text(program) + ' has ended';
    var notice = Guirt.notice('guirt-ended', ended + (status ? ' (status ' + status + ').' : '.'));
    var again = document.createElement('button');
    again.textContent = 'Start again';
    again.addEventListener('click', function() {
      location.reload();
    });
    notice.appendChild(document.createTextNode(' '));
    notice.appendChild(again);
    again.focus();
  },

  guirt_web_alert__deps: ['$Guirt'],
  guirt_web_alert: function(report) {
    Guirt.notice('guirt-error', Guirt.text(report));
  },
});
