"""What the page's elements are to assistive technology: their roles, the captions as the
labels of their fields, and the result as a live region. (What they are called and read as
is a behaviour case, on every target.)"""
import unittest

from page import PageTest


class Accessibility(PageTest):
    def test_fields_and_popup_have_their_roles(self):
        for name, role in [("lenght", "textbox"), ("diameter", "textbox"), ("areafld", "textbox"),
                           ("current", "textbox"), ("PopupMenu1", "combobox")]:
            with self.subTest(control=name):
                self.assertEqual(self.page.accessible(name)["role"], role)

    def test_captions_are_labels_of_their_fields(self):
        for caption, field in [("Label1", "lenght"), ("Label2", "diameter"), ("Label4", "areafld"),
                               ("Label3", "current")]:
            with self.subTest(caption=caption):
                label = self.page.control(caption)
                self.assertEqual(label.tag_name, "label")
                self.assertEqual(label.get_property("htmlFor"), self.page.control(field).get_property("id"))

    def test_the_result_is_announced_politely(self):
        self.assertEqual(self.page.accessible("result")["live"], "polite")


if __name__ == "__main__":
    unittest.main()
