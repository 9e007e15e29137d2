"""Builds Talpora's embedded catalogue documents from Microsoft's Office 2013
control-identifier workbooks (see tools/generate_catalogue.py)."""
