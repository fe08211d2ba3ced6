// The menubar of a window on the page (role menubar), as a toolkit's would be: its menus as
// the runtime describes them (WebWindowPeer.cpp), opened and walked by mouse and keyboard as a
// desktop's are, and the window's shortcut keys offered to the runtime. What its items do and
// when they are enabled the runtime decides. It reports through guirt.js's Guirt.
mergeInto(LibraryManager.library, {
  // Builds the menubar in bar, whose events are reported as the element with the handle's,
  // from the menus as the runtime describes them. What is enabled the runtime says as a menu
  // opens (MENU_OPENING); choosing reports MENU_CHOSEN.
  $GuirtMenubar__deps: ['$Guirt'],
  $GuirtMenubar: function(bar, handle, menus) {
    var self = {commands: {}, open: null, returnTo: null};
    var tops = [];
    bar.textContent = '';
    bar.setAttribute('role', 'menubar');

    // A text with "&" before its access key, as the children of a node, the key underlined
    // ("&&" is an "&"). Gives the access key, lower case, or ''.
    function label(node, text) {
      var key = '';
      var plain = '';
      for (var i = 0; i < text.length; i++) {
        if (text[i] === '&' && i + 1 < text.length && text[i + 1] !== '&' && !key) {
          node.appendChild(document.createTextNode(plain));
          plain = '';
          var underlined = document.createElement('u');
          underlined.textContent = text[++i];
          node.appendChild(underlined);
          key = text[i].toLowerCase();
        } else {
          if (text[i] === '&' && text[i + 1] === '&') i++;
          plain += text[i];
        }
      }
      node.appendChild(document.createTextNode(plain));
      return key;
    }

    function items(list) {
      return Array.prototype.filter.call(list.querySelectorAll('[role=menuitem]'), function(item) {
        return item.getAttribute('aria-disabled') !== 'true';
      });
    }
    function show(top, focusFirst) {
      if (self.open === top) return;
      if (self.open) self.close(false);
      if (!bar.contains(document.activeElement)) self.returnTo = document.activeElement;
      Guirt.report(handle, Guirt.MENU_OPENING, top.number, '');
      self.open = top;
      top.button.setAttribute('aria-expanded', 'true');
      top.list.hidden = false;
      var first = items(top.list)[0];
      (focusFirst && first ? first : top.button).focus();
    }
    // Leaves the menubar for the control the keyboard or mouse came from.
    function back() {
      if (self.returnTo && document.contains(self.returnTo)) self.returnTo.focus();
    }
    self.close = function(refocus) {
      var top = self.open;
      if (!top) return;
      self.open = null;
      top.list.hidden = true;
      top.button.setAttribute('aria-expanded', 'false');
      Guirt.report(handle, Guirt.MENU_CLOSED, top.number, '');
      if (refocus) back();
    };
    function choose(item) {
      if (item.getAttribute('aria-disabled') === 'true') return;
      self.close(true);
      Guirt.report(handle, Guirt.MENU_CHOSEN, item.guirtNumber, '');
    }
    function move(top, step, openIt) {
      var next = tops[(tops.indexOf(top) + step + tops.length) % tops.length];
      tops.forEach(function(t) { t.button.tabIndex = t === next ? 0 : -1; });
      if (openIt) {
        show(next, true);
      } else {
        next.button.focus();
      }
    }
    function fill(list, entries) {
      entries.forEach(function(entry) {
        if (entry.kind === 'separator') {
          var line = document.createElement('div');
          line.setAttribute('role', 'separator');
          list.appendChild(line);
        } else if (entry.kind === 'menu') {
          var group = document.createElement('div');
          group.setAttribute('role', 'group');
          var heading = document.createElement('div');
          heading.className = 'guirt-heading';
          label(heading, entry.text);
          group.setAttribute('aria-label', heading.textContent);
          group.appendChild(heading);
          fill(group, entry.entries);
          list.appendChild(group);
        } else {
          var item = document.createElement('div');
          item.setAttribute('role', 'menuitem');
          item.tabIndex = -1;
          item.guirtNumber = entry.number;
          var text = document.createElement('span');
          item.guirtKey = label(text, entry.text);
          item.appendChild(text);
          if (entry.shortcut) {
            var keys = document.createElement('span');
            keys.className = 'guirt-shortcut';
            keys.textContent = entry.shortcut;
            item.appendChild(keys);
            item.setAttribute('aria-keyshortcuts', entry.shortcut.replace(/Ctrl/g, 'Control'));
          }
          item.setAttribute('aria-disabled', entry.enabled ? 'false' : 'true');
          item.addEventListener('click', function() { choose(item); });
          self.commands[entry.number] = {node: item, enabled: entry.enabled};
          list.appendChild(item);
        }
      });
    }
    menus.forEach(function(entry, index) {
      var button = document.createElement('div');
      button.setAttribute('role', 'menuitem');
      button.setAttribute('aria-haspopup', 'menu');
      button.setAttribute('aria-expanded', 'false');
      button.tabIndex = index === 0 ? 0 : -1;
      var top = {button: button, number: entry.number, key: label(button, entry.text)};
      var list = document.createElement('div');
      list.setAttribute('role', 'menu');
      list.setAttribute('aria-label', button.textContent);
      list.hidden = true;
      top.list = list;
      fill(list, entry.entries || []);
      var place = document.createElement('div');
      place.className = 'guirt-menu';
      place.appendChild(button);
      place.appendChild(list);
      bar.appendChild(place);
      tops.push(top);
      button.addEventListener('mousedown', function(event) {
        event.preventDefault();  // the field being typed in keeps the focus
        if (self.open === top) {
          self.close(true);
        } else {
          show(top, false);
        }
      });
      button.addEventListener('mouseenter', function() {
        if (self.open && self.open !== top) show(top, false);
      });
      button.addEventListener('keydown', function(event) {
        if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
          move(top, event.key === 'ArrowRight' ? 1 : -1, !!self.open);
        } else if (event.key === 'ArrowDown' || event.key === 'Enter' || event.key === ' ') {
          show(top, true);
        } else if (event.key === 'Escape') {
          self.close(false);
          back();
        } else {
          return;
        }
        event.preventDefault();
      });
      list.addEventListener('mousedown', function(event) { event.preventDefault(); });
      list.addEventListener('keydown', function(event) {
        var all = items(list);
        var at = all.indexOf(document.activeElement);
        if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
          var step = event.key === 'ArrowDown' ? 1 : -1;
          if (all.length) all[(at + step + all.length) % all.length].focus();
        } else if (event.key === 'Home' || event.key === 'End') {
          if (all.length) all[event.key === 'Home' ? 0 : all.length - 1].focus();
        } else if (event.key === 'Enter' || event.key === ' ') {
          if (at >= 0) choose(all[at]);
        } else if (event.key === 'Escape') {
          self.close(false);
          button.focus();
        } else if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
          move(top, event.key === 'ArrowRight' ? 1 : -1, true);
        } else if (event.key === 'Tab') {
          self.close(true);
        } else if (event.key.length === 1 && !event.ctrlKey && !event.altKey && !event.metaKey) {
          var keyed = all.filter(function(item) { return item.guirtKey === event.key.toLowerCase(); })[0];
          if (keyed) choose(keyed);
        } else {
          return;
        }
        event.preventDefault();
        event.stopPropagation();
      });
    });
    if (!bar.guirtOutside) {
      // A click elsewhere closes the menu shown, as on a desktop.
      bar.guirtOutside = true;
      document.addEventListener('mousedown', function(event) {
        var shown = bar.guirtMenubar;
        if (shown && shown.open && !bar.contains(event.target)) shown.close(false);
      });
    }
    // The window's keys: Alt with a menu's access key opens it; any other key but one that
    // types goes to the runtime first, which chooses the command it is the shortcut of,
    // before the control with the focus sees it.
    self.keyDown = function(event) {
      if (event.altKey && !event.ctrlKey && !event.metaKey && event.key.length === 1) {
        var menu = tops.filter(function(t) { return t.key === event.key.toLowerCase(); })[0];
        if (menu) {
          event.preventDefault();
          show(menu, true);
        }
        return;
      }
      if (event.key.length === 1 && !event.ctrlKey && !event.altKey && !event.metaKey) return;
      Guirt.shortcutKey = event;
      Guirt.nativeCommand = false;
      var taken;
      try {
        taken = !Guirt.report(handle, Guirt.SHORTCUT, Guirt.keyFlags(event), event.key);
      } finally {
        Guirt.shortcutKey = null;
      }
      if (taken && !Guirt.nativeCommand) event.preventDefault();
    };
    return self;
  },

  // Builds the window's menubar from the runtime's description (JSON), replacing what it
  // showed; the window's root element takes the shortcuts, and the page activated again is
  // the window activated again.
  guirt_web_menubar__deps: ['$Guirt', '$GuirtMenubar'],
  guirt_web_menubar: function(handle, root, description) {
    var bar = Guirt.node(handle);
    var previous = bar.guirtMenubar;
    if (previous && previous.open) previous.close(false);
    bar.guirtMenubar = GuirtMenubar(bar, handle, JSON.parse(Guirt.text(description)));
    var rootNode = Guirt.node(root);
    if (!rootNode.guirtShortcuts) {
      rootNode.guirtShortcuts = true;
      rootNode.addEventListener('keydown', function(event) {
        if (bar.guirtMenubar) bar.guirtMenubar.keyDown(event);
      });
      window.addEventListener('focus', function() {
        if (Guirt.node(handle) === bar) Guirt.report(handle, Guirt.ACTIVATED, 0, '');
      });
    }
  },

  guirt_web_menu_enabled__deps: ['$Guirt'],
  guirt_web_menu_enabled: function(handle, number, enabled) {
    var menubar = Guirt.node(handle).guirtMenubar;
    var item = menubar && menubar.commands[number];
    if (item) {
      item.enabled = !!enabled;
      item.node.setAttribute('aria-disabled', enabled ? 'false' : 'true');
    }
  },
});
