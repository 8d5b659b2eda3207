# The program as assistive technology reads and works it, through AT-SPI. A name is heard as a
# screen reader says it: a run of spaces, one pause.
import os
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from session import expect, xdo  # noqa: E402

Role, State, Relation = Atspi.Role, Atspi.StateType, Atspi.RelationType
# An action's own name, not the localized one, is what is looked for: a deprecated read, still.
warnings.filterwarnings("ignore", "Atspi.Action.get_action_name", DeprecationWarning)
children = lambda node: list(filter(None, map(node.get_child_at_index,
                                              range(node.get_child_count()))))
named = lambda node, role: {child.get_name(): child for child in descendants(node, role)}
has = lambda node, state: node.get_state_set().contains(state)
heard = lambda node, words=None: " ".join(node.get_name().split()[:words])
text = lambda node, start=0, end=-1: Atspi.Text.get_text(node, start, end)
targets = lambda node, relation: [r.get_target(i) for r in node.get_relation_set()
                                  if r.get_relation_type() == relation
                                  for i in range(r.get_n_targets())]
says = lambda box: [heard(label) for label in descendants(box, Role.LABEL)
                    if has(label, State.SHOWING)]  # the texts a box shows
scale = lambda: int(os.environ.get("QT_SCALE_FACTOR", "1"))  # Qt's extents are before it

def descendants(node, role):
    for child in children(node):
        yield from [child] if child.get_role() == role else []
        yield from descendants(child, role)

def on_the_bus(process):  # the program's application on the accessibility bus
    return expect("the program on the accessibility bus", lambda: next(
        (a for a in children(Atspi.get_desktop(0)) if a.get_process_id() == process.pid), None))

def act(node, action="Press"):  # as an assistive tool does, without keys or mouse
    Atspi.Action.do_action(node, next(i for i in range(Atspi.Action.get_n_actions(node))
                                      if Atspi.Action.get_action_name(node, i) == action))

def on_screen(node):  # left, top, width and height in the screen's pixels
    box = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    return [value * scale() for value in (box.x, box.y, box.width, box.height)]

def click(node, right=None, button=1, repeat=1):  # its middle, or this far from its right edge
    left, top, width, height = on_screen(node)
    x = left + (width - right * scale() if right else width // 2)
    xdo("mousemove", "--sync", x, top + height // 2, "click", "--repeat", repeat, button)

def on_text_change(event):  # from a list's text, or from the list
    node = event.source
    node = node if node.get_role() == Role.COMBO_BOX else node.get_parent()
    text_changes.update([node.get_name()] if node and node.get_role() == Role.COMBO_BOX else [])

text_changes = set()  # the lists a screen reader was told changed their text, once listening
listener = Atspi.EventListener.new(on_text_change)
