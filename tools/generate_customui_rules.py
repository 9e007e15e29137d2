#!/usr/bin/env python3
"""Generates the checker's customUI rule tables (checker/CustomUiSchemaTables.cpp)
from Microsoft's two published customUI schemas.

Reads customUI.xsd (namespace 2006/01) and customui14.xsd (namespace 2009/07)
and writes, per namespace, every element type with its attributes (value type,
enumeration, length and range limits, required, callback, the callback that
replaces a static attribute), whether text may stand among its children
(mixed or simple content), and its children as a list of slots: each slot
is a set of element names that may stand there, with the least and the most
elements it takes. Nested sequences and choices are flattened into slots; an
xsd:all becomes a type whose slots may come in any order.

    python3 tools/generate_customui_rules.py [--schemas DIR] [--output FILE] [--check]

--check generates into memory and compares with --output byte for byte; it
changes nothing and exits 1 when they differ. Exit codes: 0 success,
1 check found differences, 2 bad input (a schema construct the tables cannot
express stops the generator rather than being skipped).
"""

import argparse
import os
import sys
import xml.etree.ElementTree as ElementTree

REPOSITORY = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_SCHEMAS = os.path.join(REPOSITORY, os.pardir, "shared", "customui-schema")
DEFAULT_OUTPUT = os.path.join(REPOSITORY, "checker", "CustomUiSchemaTables.cpp")
XSD = "{http://www.w3.org/2001/XMLSchema}"
# (file, C++ name, short name); oldest first.
SCHEMAS = (("customUI.xsd", "schema2006", "2006/01"), ("customui14.xsd", "schema2009", "2009/07"))
UNBOUNDED = 0xFFFFFFFF
# Built-in simple types and the value kind they give.
BUILTIN_KINDS = {"string": "String", "token": "Token", "NCName": "Name", "ID": "Name",
                 "QName": "QualifiedName", "boolean": "Boolean", "positiveInteger": "Integer"}
DELEGATE_TYPE = "ST_Delegate"


class SchemaError(Exception):
    pass


def local(name):
    """"xsd:boolean" -> ("xsd", "boolean"); "CT_Button" -> ("", "CT_Button")."""
    prefix, _, rest = name.rpartition(":")
    return prefix, rest


def occurs(node):
    low = int(node.get("minOccurs", "1"))
    high = node.get("maxOccurs", "1")
    return low, UNBOUNDED if high == "unbounded" else int(high)


def scale(count, factor):
    return UNBOUNDED if UNBOUNDED in (count, factor) else min(count * factor, UNBOUNDED - 1)


class Slot:
    def __init__(self, children, low, high):
        self.children = children  # [(element name, complex type name)]
        self.low = low
        self.high = high


class Schema:
    def __init__(self, path):
        root = ElementTree.parse(path).getroot()
        self.namespace = root.get("targetNamespace")
        self.simple_types = {node.get("name"): node for node in root.findall(XSD + "simpleType")}
        self.complex_types = {node.get("name"): node for node in root.findall(XSD + "complexType")}
        self.groups = {node.get("name"): node for node in root.findall(XSD + "group")}
        self.attribute_groups = {node.get("name"): node for node in root.findall(XSD + "attributeGroup")}
        roots = {node.get("name"): node.get("type") for node in root.findall(XSD + "element")}
        if "customUI" not in roots:
            raise SchemaError(f"{path}: no customUI element")
        self.root_type = roots["customUI"]

    # Values -------------------------------------------------------------

    def value_type(self, attribute):
        """(kind, min length, max length, minimum, maximum, values, callback) of an attribute."""
        type_name = attribute.get("type")
        if type_name is None:
            simple = attribute.find(XSD + "simpleType")
            if simple is None:
                raise SchemaError(f"attribute {attribute.get('name')} has no type")
            return self.simple_value(simple) + (False,)
        return self.named_value(type_name) + (local(type_name)[1] == DELEGATE_TYPE,)

    def named_value(self, type_name):
        prefix, name = local(type_name)
        if prefix == "xsd":
            if name not in BUILTIN_KINDS:
                raise SchemaError(f"unsupported built-in type {type_name}")
            return (BUILTIN_KINDS[name], 0, UNBOUNDED, 0, UNBOUNDED, ())
        if name not in self.simple_types:
            raise SchemaError(f"unknown simple type {type_name}")
        return self.simple_value(self.simple_types[name])

    def simple_value(self, simple):
        restriction = simple.find(XSD + "restriction")
        if restriction is None or len(simple) != 1 + len(simple.findall(XSD + "annotation")):
            raise SchemaError(f"simple type {simple.get('name')} is not a plain restriction")
        kind, low_length, high_length, minimum, maximum, values = self.named_value(restriction.get("base"))
        enumeration = []
        for facet in restriction:
            name = facet.tag[len(XSD):]
            value = facet.get("value")
            if name == "enumeration":
                enumeration.append(value)
            elif name == "minLength":
                low_length = int(value)
            elif name == "maxLength":
                high_length = int(value)
            elif name == "minInclusive":
                minimum = int(value)
            elif name == "maxInclusive":
                maximum = int(value)
            elif name not in ("whiteSpace", "annotation"):
                raise SchemaError(f"unsupported facet {name}")
        if enumeration:
            if kind not in ("String", "Token"):
                raise SchemaError("an enumeration of a type other than a string")
            return ("Enumeration", 0, UNBOUNDED, 0, UNBOUNDED, tuple(enumeration))
        return (kind, low_length, high_length, minimum, maximum, values)

    # Attributes ---------------------------------------------------------

    def own_attributes(self, node):
        """[(name, value type, required, getter)] declared by a complex type or group, in order,
        each once; prohibited ones are returned with value type None."""
        result = []
        declared = [child for child in node if child.tag == XSD + "attribute"]
        for child in node:
            if child.tag == XSD + "attributeGroup":
                group = self.attribute_groups[child.get("ref")]
                result.extend(self.own_attributes(group))
            elif child.tag == XSD + "attribute":
                name = child.get("name")
                if child.get("use") == "prohibited":
                    result.append((name, None, False, ""))
                else:
                    result.append((name, self.value_type(child), child.get("use") == "required",
                                   getter_of(name, declared)))
        return result

    # Content ------------------------------------------------------------

    def particle_slots(self, node):
        tag = node.tag[len(XSD):]
        low, high = occurs(node)
        if tag == "element":
            if node.get("ref") or not node.get("type"):
                raise SchemaError(f"element {node.get('name')} without a named type")
            return [Slot([(node.get("name"), node.get("type"))], low, high)]
        if tag == "group":
            inner = [child for child in self.groups[node.get("ref")] if child.tag != XSD + "annotation"]
            if len(inner) != 1:
                raise SchemaError(f"group {node.get('ref')} is not one particle")
            return repeated(self.particle_slots(inner[0]), low, high, node.get("ref"))
        children = [child for child in node if child.tag != XSD + "annotation"]
        if tag == "sequence":
            slots = []
            for child in children:
                slots.extend(self.particle_slots(child))
            return repeated(slots, low, high, "sequence")
        if tag == "choice":
            names = []
            alternative_low = UNBOUNDED
            alternative_high = 0
            for child in children:
                inner = self.particle_slots(child)
                if len(inner) != 1:
                    raise SchemaError("a choice of sequences")
                names.extend(inner[0].children)
                alternative_low = min(alternative_low, inner[0].low)
                alternative_high = max(alternative_high, inner[0].high)
            return [Slot(names, low * alternative_low, scale(high, alternative_high))]
        raise SchemaError(f"unsupported particle {tag}")

    def complex_type(self, name):
        """(attributes, slots, unordered, text) of a complex type, its base's included; text:
        character data may stand among the children (mixed or simple content)."""
        node = self.complex_types[name]
        mixed = node.get("mixed") == "true"
        simple = node.find(XSD + "simpleContent")
        if simple is not None:
            derivation = [child for child in simple if child.tag != XSD + "annotation"][0]
            return self.own_attributes(derivation), [], False, True
        content = node.find(XSD + "complexContent")
        if content is None:
            return (self.own_attributes(node), self.content_slots(node, name),
                    node.find(XSD + "all") is not None, mixed)
        mixed = mixed or content.get("mixed") == "true"
        derivation = content[0] if content[0].tag != XSD + "annotation" else content[1]
        base_attributes, base_slots, base_unordered, base_text = self.complex_type(derivation.get("base"))
        own = self.own_attributes(derivation)
        own_slots = self.content_slots(derivation, name)
        if derivation.tag == XSD + "extension":
            return merge(base_attributes, own), base_slots + own_slots, base_unordered, mixed or base_text
        return merge(base_attributes, own), own_slots, False, mixed

    def content_slots(self, node, name):
        particles = [child for child in node
                     if child.tag in (XSD + "sequence", XSD + "choice", XSD + "group", XSD + "all")]
        if len(particles) > 1:
            raise SchemaError(f"{name} has more than one content particle")
        if not particles:
            return []
        if particles[0].tag == XSD + "all":
            return [Slot([(child.get("name"), child.get("type"))], *occurs(child))
                    for child in particles[0] if child.tag == XSD + "element"]
        return self.particle_slots(particles[0])


def getter_of(name, declared):
    """The callback among `declared` that sets what the static attribute `name` sets:
    getLabel for label, getImage for image and imageMso."""
    for other in declared:
        callback = other.get("name")
        if not callback.startswith("get") or other.get("type") != DELEGATE_TYPE:
            continue
        stem = callback[3:4].lower() + callback[4:]
        if name == stem or (name.startswith(stem) and name[len(stem):len(stem) + 1].isupper()):
            return callback
    return ""


def repeated(slots, low, high, what):
    if (low, high) == (1, 1):
        return slots
    if high != 1 and len(slots) > 1:
        raise SchemaError(f"a repeated {what} of several slots")
    if len(slots) == 1:
        return [Slot(slots[0].children, low * slots[0].low, scale(high, slots[0].high))]
    return [Slot(slot.children, low * slot.low, slot.high) for slot in slots]


def merge(base, own):
    """Base attributes, then own ones; a later declaration of a name replaces or prohibits it."""
    result = {}
    for name, value, required, getter in base + own:
        if value is None:
            result.pop(name, None)
        elif name not in result or own_declares(own, name):
            result[name] = (name, value, required, getter or result.get(name, ("", "", "", ""))[3])
    return list(result.values())


def own_declares(own, name):
    return any(entry[0] == name and entry[1] is not None for entry in own)


def without_duplicates(attributes):
    seen = {}
    for entry in attributes:
        seen.setdefault(entry[0], entry)
    return list(seen.values())


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def cpp_count(count):
    return "unbounded" if count == UNBOUNDED else str(count)


class Writer:
    """Collects the tables of both namespaces and writes them as C++."""

    def __init__(self):
        self.value_types = []
        self.lines = []

    def value_index(self, value):
        key = value[:6]
        if key not in self.value_types:
            self.value_types.append(key)
        return self.value_types.index(key)

    def add_schema(self, schema, cpp_name, short_name):
        order = []
        pending = [schema.root_type]
        types = {}
        while pending:
            name = pending.pop(0)
            if name in types:
                continue
            attributes, slots, unordered, text = schema.complex_type(name)
            types[name] = (without_duplicates(attributes), slots, unordered, text)
            order.append(name)
            pending.extend(type_name for slot in slots for _, type_name in slot.children)
        index = {name: position for position, name in enumerate(order)}
        attribute_lines, child_lines, slot_lines, type_lines = [], [], [], []
        for name in order:
            attributes, slots, unordered, text = types[name]
            first_attribute, first_slot = len(attribute_lines), len(slot_lines)
            for attribute, value, required, getter in attributes:
                attribute_lines.append(
                    f"    {{{cpp_string(attribute)}, {self.value_index(value)}, "
                    f"{'true' if required else 'false'}, {'true' if value[6] else 'false'}, "
                    f"{cpp_string(getter)}}},")
            for slot in slots:
                first_child = len(child_lines)
                for child, type_name in slot.children:
                    child_lines.append(f"    {{{cpp_string(child)}, {index[type_name]}}},")
                slot_lines.append(f"    {{std::span(children).subspan({first_child}, {len(slot.children)}), "
                                  f"{cpp_count(slot.low)}, {cpp_count(slot.high)}}},")
            type_lines.append(f"    {{{cpp_string(name)}, "
                              f"std::span(attributes).subspan({first_attribute}, {len(attributes)}), "
                              f"std::span(childSlots).subspan({first_slot}, {len(slots)}), "
                              f"{'true' if unordered else 'false'}, {'true' if text else 'false'}}},")
        self.lines += [f"namespace {cpp_name}_tables {{", "",
                       "constexpr AttributeRule attributes[] = {", *attribute_lines, "};",
                       "constexpr ChildRule children[] = {", *child_lines, "};",
                       "constexpr Slot childSlots[] = {", *slot_lines, "};",
                       "constexpr ElementType types[] = {", *type_lines, "};", "",
                       f"}} // namespace {cpp_name}_tables", "",
                       f"const Schema {cpp_name} = {{{cpp_string(schema.namespace)}, "
                       f"{cpp_string(short_name)}, {cpp_name}_tables::types, 0}};", ""]

    def text(self):
        header = ["// Generated by tools/generate_customui_rules.py from the customUI schemas; do not edit.",
                  "// clang-format off", "", '#include "checker/CustomUiSchema.h"', "",
                  "namespace talpora::checker::schema {", "", "namespace {", "",
                  "constexpr std::uint32_t unbounded = 0xFFFFFFFF;", ""]
        values = []
        for position, (kind, low_length, high_length, minimum, maximum, choices) in enumerate(self.value_types):
            if choices:
                header.append(f"constexpr std::string_view values{position}[] = "
                              f"{{{', '.join(cpp_string(choice) for choice in choices)}}};")
            values.append(f"    {{ValueKind::{kind}, {cpp_count(low_length)}, {cpp_count(high_length)}, "
                          f"{cpp_count(minimum)}, {cpp_count(maximum)}, "
                          f"{f'values{position}' if choices else '{}'}}},")
        header += ["", "} // namespace", "", "const ValueType valueTypes[] = {", *values, "};", ""]
        return "\n".join(header + self.lines + ["} // namespace talpora::checker::schema", ""])


def generate(schemas_folder):
    writer = Writer()
    for file_name, cpp_name, short_name in SCHEMAS:
        writer.add_schema(Schema(os.path.join(schemas_folder, file_name)), cpp_name, short_name)
    return writer.text()


def main(arguments=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--schemas", default=DEFAULT_SCHEMAS)
    parser.add_argument("--output", default=DEFAULT_OUTPUT)
    parser.add_argument("--check", action="store_true")
    options = parser.parse_args(arguments)
    try:
        text = generate(options.schemas)
    except (OSError, ElementTree.ParseError, SchemaError, KeyError) as error:
        print(f"generate_customui_rules: {error}", file=sys.stderr)
        return 2
    if options.check:
        try:
            with open(options.output, encoding="utf-8", newline="") as file:
                committed = file.read()
        except OSError:
            committed = None
        if committed != text:
            print(f"{options.output} differs from what the schemas give; "
                  "run tools/generate_customui_rules.py", file=sys.stderr)
            return 1
        return 0
    with open(options.output, "w", encoding="utf-8", newline="\n") as file:
        file.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
