// A control's help (its tooltip) where no mouse hovers: a tap on a caption, or F1 in a
// control, shows it in a bubble under the caption (or the control), a live region a screen
// reader hears too. Escape, a tap or click elsewhere, or the focus moving on takes it away; a
// second tap on the caption too. A mouse keeps the tooltip. It reports nothing to the runtime.
mergeInto(LibraryManager.library, {
  $GuirtHelp: function(desktop) {
    var shown = null;  // what the bubble is under, its bubble, and the control it is the help of
    var tapped = null;  // a caption tapped for its help, whose click does not focus its field

    // The caption of a control, in its window.
    function captionOf(control) {
      return control.id && control.parentNode.querySelector('label[for="' + control.id + '"]');
    }
    function hide() {
      if (!shown) return;
      shown.bubble.textContent = '';
      shown = null;
    }
    function show(under, control, text) {
      var frame = under.closest('.guirt-window');
      var content = under.parentNode;
      // One bubble per window, kept: a live region is heard when text comes into it.
      var bubble = frame.querySelector(':scope > .guirt-help');
      var fresh = !bubble;
      if (fresh) {
        bubble = document.createElement('div');
        bubble.className = 'guirt-help';
        bubble.setAttribute('role', 'status');
        frame.appendChild(bubble);
      }
      var left = content.offsetLeft + under.offsetLeft;
      bubble.style.left = left + 'px';
      bubble.style.top = content.offsetTop + under.offsetTop + under.offsetHeight + 'px';
      bubble.style.maxWidth = Math.max(frame.clientWidth - left - 8, 120) + 'px';
      shown = {under: under, bubble: bubble, control: control};
      if (fresh) {
        setTimeout(function() { if (shown && shown.bubble === bubble) bubble.textContent = text; }, 0);
      } else {
        bubble.textContent = text;
      }
    }

    document.addEventListener('pointerdown', function(event) {
      var caption = event.target.closest && event.target.closest('.guirt-content label[title]');
      var again = shown && caption === shown.under;
      if (shown && !shown.bubble.contains(event.target)) hide();
      tapped = null;
      if (event.pointerType === 'mouse' || !caption || !desktop.contains(caption) || !caption.title) return;
      tapped = caption;
      if (!again) show(caption, document.getElementById(caption.htmlFor), caption.title);
    }, true);
    document.addEventListener('click', function(event) {
      if (tapped && tapped.contains(event.target)) event.preventDefault();
      tapped = null;
    }, true);
    document.addEventListener('keydown', function(event) {
      if (event.key === 'Escape') {
        hide();
      } else if (event.key === 'F1' && !event.ctrlKey && !event.altKey && !event.metaKey) {
        var control = document.activeElement;
        if (!control || !desktop.contains(control) || !control.closest('.guirt-content')) return;
        var caption = captionOf(control);
        var text = control.title || (caption && caption.title);
        if (!text) return;
        event.preventDefault();
        if (shown && shown.control === control) {
          hide();
        } else {
          show(caption || control, control, text);
        }
      }
    }, true);
    document.addEventListener('focusin', function(event) {
      if (shown && event.target !== shown.control) hide();
    });
  },
});
