<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>LMNamesDialog</name>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n name</numerusform>
            <numerusform>%n names</numerusform>
        </translation>
    </message>
</context>
</TS>
